#include "FindDialog.h"

#include "QuillmapResources.h"
#include "RecordSearch.h"

namespace quillmap {

namespace {

bool IsLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

void UpperCasePair(char* pair)
{
    CharUpperBuffA(pair, 2);
}

constexpr DoubleByteCharacters SystemDoubleBytes{IsLeadByte, UpperCasePair};

}  // namespace

FindDialog::FindDialog() : ModalDialog(IDD_FIND) {}

void FindDialog::OnOK()
{
    SearchRecord({ItemText(IDC_NUM), ItemText(IDC_ID), ItemText(IDC_NAME)}, &SystemDoubleBytes);
    End(IDOK);
}

}  // namespace quillmap
