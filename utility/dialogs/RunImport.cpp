#include "RunImport.h"

#include "FileOpenDialog.h"
#include "GeomagneticModel.h"
#include "MessageBoxes.h"
#include "ProgramCaption.h"
#include "QuillmapSettings.h"
#include "TableImport.h"

#include <string>

namespace quillmap {

namespace {

// The chosen file, or empty when the user cancelled.
std::string AskForImportFile(HWND owner, const std::string& dataDirectory)
{
    appframe::FileOpenRequest request;
    request.filter = "Gps Import Files (*.GPS)|*.GPS|All Files (*.*)|*.*||";
    request.defaultExtension = ".GPS";
    request.initialDirectory = dataDirectory.c_str();
    return appframe::AskFileToOpen(owner, request).value_or("");
}

void ShowMessage(HWND owner, const std::string& text, UINT icon)
{
    appframe::ShowMessageBox(owner, text.c_str(), MB_OK | icon, ProgramCaption);
}

}  // namespace

void RunImport(HWND owner)
{
    std::string dataDirectory = ImportDataDirectory();
    std::string fileName = AskForImportFile(owner, dataDirectory);
    if (fileName.empty()) return;

    ImportFile file(fileName.c_str());
    if (!file.IsOpen()) {
        ShowMessage(owner, "Cannot open the file " + fileName + ".", MB_ICONSTOP);
        return;
    }
    nav::ImportKind kind = ReadImportSignature(file);
    if (kind == nav::ImportKind::NotImportFile) {
        ShowMessage(owner, "Not a GPS Import file !", MB_ICONSTOP);
        return;
    }

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ImportResult result = ImportRecords(kind, file, dataDirectory);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));

    if (kind != nav::ImportKind::Unrecognised && !result.tableOpened) {
        ShowMessage(owner,
                    "Cannot open the table " + result.tableFile +
                        ".\nIt is missing or in use by another program; nothing was imported.",
                    MB_ICONSTOP);
        return;
    }
    if (result.variationsNotComputed > 0) {
        ShowMessage(owner,
                    "Import completed.\nThe magnetic variation of " +
                        std::to_string(result.variationsNotComputed) +
                        " airports could not be computed; their variation reads " +
                        std::to_string(UndeterminedAngleDegrees) + ".",
                    MB_ICONEXCLAMATION);
        return;
    }
    ShowMessage(owner, "Import completed.", 0);
}

}  // namespace quillmap
