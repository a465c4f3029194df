"""Reads what a release check needs from a 32-bit Windows image (PE32): the file header,
the sections, the imports and the version resource. Plain struct reads, so that the
check runs where no Windows tools are installed."""

import struct

MACHINE_I386 = 0x14C
OPTIONAL_MAGIC_PE32 = 0x10B
DIRECTORY_IMPORT = 1
DIRECTORY_RESOURCE = 2
RESOURCE_VERSION = 16
IMPORT_BY_ORDINAL = 0x80000000
FIXED_FILE_INFO_SIGNATURE = 0xFEEF04BD


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, section_count, self.timestamp, self.symbol_table, self.symbol_count,
         optional_size, _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.optional_magic = struct.unpack_from("<H", data, optional)[0]
        self.directories = []
        if self.optional_magic == OPTIONAL_MAGIC_PE32:
            count = struct.unpack_from("<I", data, optional + 92)[0]
            self.directories = [struct.unpack_from("<II", data, optional + 96 + 8 * i)
                                for i in range(count)]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            name, virtual_size, rva, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", data, table + 40 * i)
            self.sections.append((self.section_name(name), rva, max(virtual_size, raw_size),
                                  raw_offset))

    def section_name(self, field):
        """A name longer than eight characters is "/offset" into the string table that
        follows the COFF symbols."""
        name = field.rstrip(b"\0").decode("latin-1")
        if not name.startswith("/"):
            return name
        start = self.symbol_table + 18 * self.symbol_count + int(name[1:])
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def is_pe32_i386(self):
        return self.machine == MACHINE_I386 and self.optional_magic == OPTIONAL_MAGIC_PE32

    def is_stripped(self):
        """No COFF symbols and no debug sections (the string table may stay: it holds the
        long section names such as .eh_frame)."""
        return self.symbol_count == 0 and not any(
            name.startswith(".debug") for name, *_ in self.sections)

    def offset(self, rva):
        for _, start, size, raw_offset in self.sections:
            if start <= rva < start + size:
                return raw_offset + rva - start
        raise ValueError(f"address 0x{rva:x} is in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def import_descriptors(self):
        """(DLL name, lookup table address) of each imported DLL, in file order."""
        rva, _ = self.directory(DIRECTORY_IMPORT)
        while rva:
            descriptor = struct.unpack_from("<5I", self.data, self.offset(rva))
            if not any(descriptor):
                break
            # The lookup table may be absent (some linkers leave it 0): the address table
            # then still holds the unbound names.
            yield self.c_string(descriptor[3]), descriptor[0] or descriptor[4]
            rva += 20

    def imported_dlls(self):
        return [name for name, _ in self.import_descriptors()]

    def imported_functions(self):
        """{DLL name: [function name or "#ordinal", ...]}."""
        found = {}
        for dll, rva in self.import_descriptors():
            functions = found.setdefault(dll, [])
            at = self.offset(rva)
            while True:
                entry = struct.unpack_from("<I", self.data, at)[0]
                if not entry:
                    break
                if entry & IMPORT_BY_ORDINAL:
                    functions.append(f"#{entry & 0xFFFF}")
                else:
                    functions.append(self.c_string(entry + 2))   # after the 2-byte hint
                at += 4
        return found

    def resources(self):
        """{(type, name, language): bytes}; ids are ints, names strings."""
        root_rva, _ = self.directory(DIRECTORY_RESOURCE)
        found = {}
        if not root_rva:
            return found
        root = self.offset(root_rva)

        def walk(directory, path):
            named, numbered = struct.unpack_from("<HH", self.data, directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = root + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                if target & 0x80000000:
                    walk(root + (target & 0x7FFFFFFF), path + (key,))
                else:
                    data_rva, size = struct.unpack_from("<II", self.data, root + target)
                    start = self.offset(data_rva)
                    found[path + (key,)] = self.data[start:start + size]

        walk(root, ())
        return found

    def version_info(self):
        """(file version words, {string name: value}) of the version resource, or None."""
        blocks = [data for (kind, *_), data in self.resources().items()
                  if kind == RESOURCE_VERSION]
        if not blocks:
            return None
        strings = {}
        words = []

        def node(data, at, depth):
            length, value_length, text = struct.unpack_from("<HHH", data, at)
            end = at + length
            key_end = at + 6
            while data[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = data[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            value_size = value_length * 2 if text else value_length
            value = data[value_at:value_at + value_size]
            if depth == 0 and value_size >= 16:
                signature, _, ms, ls = struct.unpack_from("<IIII", value)
                if signature == FIXED_FILE_INFO_SIGNATURE:
                    words.extend([ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF])
            if depth == 3:
                strings[key] = value.decode("utf-16-le").rstrip("\0")
            child = (value_at + value_size + 3) & ~3
            while child < end:
                child = node(data, child, depth + 1)
            return (end + 3) & ~3

        node(blocks[0], 0, 0)
        return words, strings
