#include "RunImport.h"

#include "FileDialog.h"
#include "ImportNotice.h"
#include "MessageBoxes.h"
#include "ProgramCaption.h"
#include "QuillmapSettings.h"
#include "TableImport.h"
#include "WorldDataImport.h"
#include "WorldDataSet.h"

#include <string>

namespace quillmap {

namespace {

// The chosen file, or empty when the user cancelled.
std::string AskForImportFile(HWND owner, const std::string& dataDirectory)
{
    winkit::FileDialogRequest request;
    request.filter =
        "Gps Import Files (*.GPS)|*.GPS|"
        "World data (apt.dat, nav.dat, *.dat.gz, *.csv)|apt.dat;nav.dat;*.dat.gz;*.csv|"
        "All Files (*.*)|*.*||";
    request.defaultExtension = nav::ImportFileExtension;
    request.initialDirectory = dataDirectory.c_str();
    return winkit::AskFileToOpen(owner, request).value_or("");
}

void ShowMessage(HWND owner, const std::string& text, UINT icon)
{
    winkit::ShowMessageBox(owner, text.c_str(), MB_OK | icon, ProgramCaption);
}

void ShowNotice(HWND owner, const ImportNotice& notice)
{
    UINT icon = notice.kind == NoticeKind::Failed    ? MB_ICONSTOP
                : notice.kind == NoticeKind::Warning ? MB_ICONEXCLAMATION
                                                     : 0;
    ShowMessage(owner, notice.text, icon);
}

// Runs `import` with the wait cursor shown.
template <class Import>
auto Waiting(const Import& import)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    auto result = import();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return result;
}

void RunWorldDataImport(HWND owner, const WorldDataSet& set, const std::string& dataDirectory)
{
    if (!set.refusal.empty()) {
        ShowMessage(owner, set.refusal, MB_ICONSTOP);
        return;
    }
    nav::Expected<WorldDataImport> outcome =
        Waiting([&] { return ImportWorldData(set, dataDirectory); });
    ShowNotice(owner, WorldDataImportNotice(set, outcome));
}

}  // namespace

void RunImport(HWND owner)
{
    std::string dataDirectory = ImportDataDirectory();
    std::string fileName = AskForImportFile(owner, dataDirectory);
    if (fileName.empty()) return;
    if (std::optional<WorldDataSet> set = WorldDataSetOf(fileName)) {
        RunWorldDataImport(owner, *set, dataDirectory);
        return;
    }

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
    ImportResult result = Waiting([&] { return ImportRecords(kind, file, dataDirectory); });
    ShowNotice(owner, ImportFileNotice(result));
}

}  // namespace quillmap
