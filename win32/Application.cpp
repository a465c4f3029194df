#include "Application.h"

namespace winkit {

namespace {
Application* current = nullptr;
}

Application::Application(std::string name) : name_(std::move(name)), previous_(current)
{
    current = this;
}

Application::~Application()
{
    current = previous_;
}

Application* Application::Current()
{
    return current;
}

}  // namespace winkit
