#!/usr/bin/python3
"""Checks that Windows XP loads the shipped binaries: none imports a function that XP's
system DLLs lack, which would make XP's loader refuse the whole file ("The procedure entry
point ... could not be located").

usage: check_windows_xp_imports.py BINARY...

The list holds functions that came with Windows Vista and later and that a compiler
run-time, a statically linked library or a Win32 edge of ours is likely to reach for.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "scripts"))
from pe_image import PeImage  # noqa: E402

AFTER_WINDOWS_XP = {
    # KERNEL32: clocks, slim locks, condition variables, one-time initialisation, fibre
    # local storage
    "GetTickCount64", "QueryUnbiasedInterruptTime", "GetSystemTimePreciseAsFileTime",
    "InitializeSRWLock", "AcquireSRWLockExclusive", "AcquireSRWLockShared",
    "ReleaseSRWLockExclusive", "ReleaseSRWLockShared", "TryAcquireSRWLockExclusive",
    "TryAcquireSRWLockShared",
    "InitializeConditionVariable", "SleepConditionVariableCS", "SleepConditionVariableSRW",
    "WakeConditionVariable", "WakeAllConditionVariable",
    "InitOnceInitialize", "InitOnceExecuteOnce", "InitOnceBeginInitialize", "InitOnceComplete",
    "FlsAlloc", "FlsFree", "FlsGetValue", "FlsSetValue",
    # KERNEL32: creation functions with access masks and flags
    "CreateEventExA", "CreateEventExW", "CreateMutexExA", "CreateMutexExW",
    "CreateSemaphoreExA", "CreateSemaphoreExW", "CreateWaitableTimerExA",
    "CreateWaitableTimerExW", "InitializeCriticalSectionEx", "CreateFile2",
    # KERNEL32: locales by name
    "LocaleNameToLCID", "LCIDToLocaleName", "GetLocaleInfoEx", "LCMapStringEx",
    "CompareStringEx", "GetUserDefaultLocaleName", "GetSystemDefaultLocaleName",
    "EnumSystemLocalesEx", "IsValidLocaleName", "GetDateFormatEx", "GetTimeFormatEx",
    "GetNumberFormatEx", "GetCurrencyFormatEx", "GetThreadPreferredUILanguages",
    # KERNEL32: files, links and processes
    "GetFileInformationByHandleEx", "SetFileInformationByHandle",
    "GetFinalPathNameByHandleA", "GetFinalPathNameByHandleW",
    "CreateSymbolicLinkA", "CreateSymbolicLinkW", "CopyFile2", "CancelIoEx",
    "GetQueuedCompletionStatusEx", "QueryFullProcessImageNameA",
    "QueryFullProcessImageNameW", "GetErrorMode", "GetCurrentProcessorNumber",
    # ADVAPI32: registry
    "RegGetValueA", "RegGetValueW", "RegDeleteTreeA", "RegDeleteTreeW", "RegCopyTreeA",
    "RegCopyTreeW", "RegSetKeyValueA", "RegSetKeyValueW", "RegDeleteKeyValueA",
    "RegDeleteKeyValueW", "RegLoadMUIStringA", "RegLoadMUIStringW",
    # USER32 and SHELL32
    "SetProcessDPIAware", "ChangeWindowMessageFilter", "AddClipboardFormatListener",
    "SHGetKnownFolderPath",
}


def main(paths):
    failed = False
    for path in map(Path, paths):
        later = [f"{dll}!{function}"
                 for dll, functions in PeImage(path.read_bytes()).imported_functions().items()
                 for function in functions if function in AFTER_WINDOWS_XP]
        if later:
            failed = True
            print(f"FAIL: {path.name} imports what Windows XP lacks: {', '.join(later)}")
        else:
            print(f"{path.name}: every import is in Windows XP")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
