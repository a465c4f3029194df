#include "Window.h"

namespace winkit {

std::string Window::ItemText(int id) const
{
    HWND item = Item(id);
    int length = item ? GetWindowTextLengthA(item) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = item ? GetWindowTextA(item, text.data(), length + 1) : 0;
    text.resize(static_cast<size_t>(copied));
    return text;
}

}  // namespace winkit
