#include "RunImport.h"

#include "DataDirectorySetting.h"
#include "TableImport.h"

#include <commdlg.h>

#include <string>

namespace {

constexpr char Caption[] = "Quillmap";
constexpr char ImportFileFilter[] =
    "Gps Import Files (*.GPS)\0*.GPS\0All Files (*.*)\0*.*\0";

// The chosen file, or empty when the user cancelled.
std::string AskForImportFile(HWND owner, const std::string& dataDirectory)
{
    char fileName[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = ImportFileFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = sizeof fileName;
    dialog.lpstrInitialDir = dataDirectory.empty() ? nullptr : dataDirectory.c_str();
    dialog.lpstrDefExt = "GPS";
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    return GetOpenFileNameA(&dialog) ? fileName : "";
}

void ShowMessage(HWND owner, const std::string& text, UINT icon)
{
    MessageBoxA(owner, text.c_str(), Caption, MB_OK | icon);
}

} // namespace

void RunImport(HWND owner)
{
    std::string dataDirectory = ReadDataDirectorySetting();
    std::string fileName = AskForImportFile(owner, dataDirectory);
    if (fileName.empty())
        return;

    ImportFile file(fileName.c_str());
    if (!file.IsOpen()) {
        ShowMessage(owner, "Cannot open the file " + fileName + ".", MB_ICONSTOP);
        return;
    }
    ImportKind kind = ReadImportSignature(file);
    if (kind == ImportKind::NotImportFile) {
        ShowMessage(owner, "Not a GPS Import file !", MB_ICONSTOP);
        return;
    }

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ImportResult result = ImportRecords(kind, file, dataDirectory);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));

    if (kind != ImportKind::Unrecognised && !result.tableOpened) {
        ShowMessage(owner, "Cannot open the table " + result.tableFile
                               + ".\nIt is missing or in use by another program; nothing was imported.",
                    MB_ICONSTOP);
        return;
    }
    ShowMessage(owner, "Import completed.", 0);
}
