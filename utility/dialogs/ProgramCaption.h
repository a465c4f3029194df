// The caption of the database program's own questions and notices.
#pragma once

namespace quillmap {

inline constexpr char ProgramCaption[] = "Quillmap";

}  // namespace quillmap
