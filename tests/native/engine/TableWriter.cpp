// table_writer PATH ACTION [ARGUMENTS]: the writer that the kill tests run under strace, so
// that a kill lands on an exact write. Opens PATH for exclusive use, then:
//   append FIRST LAST   airports FIRST..LAST as the import adds them: a seek of the key, an
//                       append when it is not stored, then every field
//   rename              walks the table and puts a new NAME and ALT into every record
//   pack                packs the table
// and closes it. Exits 0 when every step was taken.
#include "AirportRecords.h"

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 3 || !TableOpen(argv[1], "AIRPORTS", SDE_EXCLUSIVE, SDE_KIND_DBF)) return 2;
    const char* action = argv[2];
    if (std::strcmp(action, "append") == 0 && argc == 5) {
        SetDeletedHidden(1);
        OrderSet(TagOrder("NUM"));
        for (int i = std::atoi(argv[3]); i <= std::atoi(argv[4]); ++i) {
            if (!RecordSeek(AirportNum(i).c_str())) RecordAppendBlank();
            PutAirport(i);
        }
    } else if (std::strcmp(action, "rename") == 0) {
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
            std::string name = FieldGetString("NAME");
            FieldReplace("NAME", SDE_TEXT, ("Renamed " + name).c_str());
            int altitude = FieldGetInteger("ALT") + 20000;
            FieldReplace("ALT", SDE_INTEGER, &altitude);
        }
    } else if (std::strcmp(action, "pack") == 0) {
        TablePack();
    } else {
        return 2;
    }
    TableCloseAll();
    return 0;
}
