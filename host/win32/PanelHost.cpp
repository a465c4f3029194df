#include "PanelHost.h"

#include "ButtonLabels.h"
#include "MainWindow.h"

namespace host {

using gauge::ElementHead;
using gauge::GaugeHeader;
using gauge::HiddenBit;
using gauge::HostVariable;
using gauge::HostWord;
using gauge::MouseArea;
using gauge::MouseClickMask;

namespace {

constexpr uint32_t GeneratePhase = 1;
constexpr int32_t QueryAccepted = 1;
constexpr uint32_t RegisteredMark = 1;  // host word 0 of a registered variable

PanelHost* activeHost = nullptr;

bool Contains(const MouseArea& area, int x, int y)
{
    return x >= area.x && x < area.x + area.width && y >= area.y && y < area.y + area.height;
}

}  // namespace

PanelHost::PanelHost(bool mainWindow)
{
    activeHost = this;
    services_.drawUnpowered = DrawUnpowered;
    services_.switchOff = SwitchOff;
    services_.queryElements = QueryElements;
    services_.installElements = InstallElements;
    services_.initializeElements = InitializeElements;
    services_.updateElements = UpdateElements;
    services_.generateElements = GenerateElements;
    services_.drawElements = DrawElements;
    services_.killElements = KillElements;
    services_.installMouseAreas = InstallMouseAreas;
    services_.registerMouseAreas = RegisterMouseAreas;
    services_.unregisterMouseAreas = UnregisterMouseAreas;
    services_.sendEvent = SendEvent;
    services_.registerVariable = RegisterVariable;
    services_.refreshVariable = RefreshVariable;
    if (mainWindow) mainWindow_ = CreateMainWindow(&systemMenus_);
}

PanelHost::~PanelHost()
{
    std::string ignored;
    if (Loaded()) Unload(ignored);
    if (mainWindow_) DestroyWindow(mainWindow_);
    if (activeHost == this) activeHost = nullptr;
}

PanelHost& PanelHost::Active()
{
    return *activeHost;
}

nav::Status PanelHost::Load(const std::string& modulePath)
{
    if (module_.Loaded()) return nav::Fail("a gauge is loaded already");
    if (nav::Status loaded = module_.Load(modulePath); !loaded) return loaded;
    timersBound_ = module_.BindTimers(reinterpret_cast<void*>(ClockSetTimer),
                                      reinterpret_cast<void*>(ClockKillTimer));

    gauge_ = &module_.Gauge();
    module_.Linkage().moduleInit();
    module_.StoreServices(&services_);

    gauge_->query();
    gauge_->install(reinterpret_cast<HostWord>(gauge_));
    gauge_->initialize();
    DrawFrame();
    return {};
}

bool PanelHost::Unload(std::string& problem)
{
    if (!module_.Loaded()) {
        problem = "no gauge is loaded";
        return false;
    }
    gauge_->kill();
    module_.Linkage().moduleDeinit();

    // Nothing of the module may be called once it is freed.
    problem.clear();
    std::vector<ClockTimer> timers = clock_.Timers();
    for (const ClockTimer& timer : timers) {
        if (module_.Holds(reinterpret_cast<uintptr_t>(timer.procedure))) {
            problem += "the gauge left timer " + std::to_string(timer.id) + " running; ";
            clock_.Kill(timer.window, timer.id);
        }
    }
    if (!registeredLists_.empty()) problem += "the gauge left its mouse areas registered; ";
    registeredLists_.clear();
    mouseLists_.clear();
    variables_.clear();
    canvas_.Release();

    module_.Free();
    gauge_ = nullptr;
    if (!problem.empty()) problem.resize(problem.size() - 2);
    return problem.empty();
}

void PanelHost::RunSeconds(int seconds)
{
    for (int i = 0; i < seconds; ++i) {
        aircraft_.FlyOneSecond();
        clock_.Advance(1000, [](const ClockTimer& timer) {
            auto procedure = reinterpret_cast<TIMERPROC>(timer.procedure);
            HWND window = reinterpret_cast<HWND>(timer.window);
            if (procedure)
                procedure(window, WM_TIMER, timer.id, static_cast<DWORD>(Active().clock_.NowMs()));
            else if (window)
                SendMessageA(window, WM_TIMER, timer.id, 0);
        });
        if (Loaded()) DrawFrame();
    }
}

void PanelHost::DrawFrame()
{
    if (!gauge_) return;
    gauge_->update();
    gauge_->generate(GeneratePhase);
    gauge_->draw();
}

std::vector<const MouseArea*> PanelHost::Buttons() const
{
    std::vector<const MouseArea*> buttons;
    for (const MouseArea* list : registeredLists_)
        for (const MouseArea* area = list; area->kind != gauge::MouseAreaEnd; ++area)
            if (area->kind == gauge::MouseAreaButton) buttons.push_back(area);
    return buttons;
}

const MouseArea* PanelHost::ButtonAt(int x, int y) const
{
    for (const MouseArea* area : Buttons())
        if (Contains(*area, x, y)) return area;
    return nullptr;
}

bool PanelHost::ClickAt(int x, int y)
{
    const MouseArea* area = ButtonAt(x, y);
    if (!area || !(area->eventMask & MouseClickMask) || !area->callback) return false;
    area->callback(static_cast<uint32_t>(MAKELONG(x, y)), MouseClickMask);
    DrawFrame();
    return true;
}

bool PanelHost::ClickButton(int index)
{
    std::vector<const MouseArea*> buttons = Buttons();
    if (index < 0 || index >= static_cast<int>(buttons.size())) return false;
    const MouseArea& area = *buttons[index];
    return ClickAt(area.x + area.width / 2, area.y + area.height / 2);
}

int PanelHost::CursorAt(int x, int y) const
{
    const MouseArea* area = ButtonAt(x, y);
    return area ? area->cursor : gauge::MouseCursorNone;
}

int PanelHost::TextLineCount() const
{
    return canvas_.TextLineCount();
}

std::string PanelHost::ScreenText(int line) const
{
    return canvas_.ScreenText(line);
}

std::vector<LampState> PanelHost::Lamps() const
{
    std::vector<LampState> lamps;
    std::vector<const MouseArea*> buttons = Buttons();
    const auto& elements = canvas_.Elements();
    for (size_t i = 1; i < elements.size(); ++i) {
        const ElementHead& head = *elements[i]->record;
        if (head.type != gauge::ElementImage) continue;
        for (size_t b = 0; b < buttons.size(); ++b) {
            if (!Contains(*buttons[b], head.x, head.y)) continue;
            std::string name = b < std::size(ButtonLabels) ? ButtonLabels[b] : std::to_string(b);
            lamps.push_back({name, (head.flags & HiddenBit) == 0});
        }
    }
    return lamps;
}

MarkerState PanelHost::Marker() const
{
    for (const auto& element : canvas_.Elements())
        if (element->record->type == gauge::ElementSlider)
            return {(element->record->flags & HiddenBit) == 0, canvas_.MarkerOffset()};
    return {false, 0.0};
}

PixelView PanelHost::Frame() const
{
    return canvas_.Frame();
}

// ---------------------------------------------------------------------------------------
// Services.

void GAUGE_CALL PanelHost::DrawUnpowered(ElementHead*)
{
    // The unit's face alone: its screen stays dark.
    PanelHost& host = Active();
    host.drawnPowered_ = false;
    host.canvas_.PaintFace();
}

void GAUGE_CALL PanelHost::SwitchOff(ElementHead*)
{
    ++Active().switchOffs_;
}

int32_t GAUGE_CALL PanelHost::QueryElements(ElementHead*)
{
    return QueryAccepted;
}

void GAUGE_CALL PanelHost::InstallElements(ElementHead* root, HostWord)
{
    PanelHost& host = Active();
    host.canvas_.Build(root, host.module_.Handle());
}

void GAUGE_CALL PanelHost::InitializeElements(ElementHead*) {}

void GAUGE_CALL PanelHost::UpdateElements(ElementHead*) {}

void GAUGE_CALL PanelHost::GenerateElements(ElementHead*, uint32_t) {}

void GAUGE_CALL PanelHost::DrawElements(ElementHead*)
{
    PanelHost& host = Active();
    host.drawnPowered_ = true;
    if (host.canvas_.PaintFace()) host.canvas_.PaintChildren(RefreshVariable);
}

void GAUGE_CALL PanelHost::KillElements(ElementHead*)
{
    Active().canvas_.Release();
}

void GAUGE_CALL PanelHost::InstallMouseAreas(MouseArea* areas, GaugeHeader*, void*)
{
    Active().mouseLists_.push_back(areas);
}

void GAUGE_CALL PanelHost::RegisterMouseAreas(MouseArea* areas, GaugeHeader*)
{
    Active().registeredLists_.push_back(areas);
}

void GAUGE_CALL PanelHost::UnregisterMouseAreas(MouseArea* areas, GaugeHeader*)
{
    auto& lists = Active().registeredLists_;
    std::erase(lists, areas);
}

void GAUGE_CALL PanelHost::SendEvent(uint32_t event, int32_t value)
{
    PanelHost& host = Active();
    host.events_.push_back({event, value});
    host.aircraft_.OnEvent(event, value);
}

void GAUGE_CALL PanelHost::RegisterVariable(HostVariable* variable)
{
    PanelHost& host = Active();
    variable->hostWords[0] = RegisteredMark;
    variable->hostWords[1] = static_cast<uint32_t>(host.variables_.size());
    host.variables_.push_back(variable);
}

void GAUGE_CALL PanelHost::RefreshVariable(HostVariable* variable)
{
    variable->previousValue = variable->value;
    variable->value = Active().aircraft_.VariableValue(variable->token);
}

UINT_PTR WINAPI PanelHost::ClockSetTimer(HWND window, UINT_PTR id, UINT periodMs,
                                         TIMERPROC procedure)
{
    return Active().clock_.Set(reinterpret_cast<uintptr_t>(window), id, periodMs,
                               reinterpret_cast<void*>(procedure));
}

BOOL WINAPI PanelHost::ClockKillTimer(HWND window, UINT_PTR id)
{
    return Active().clock_.Kill(reinterpret_cast<uintptr_t>(window), id);
}

}  // namespace host
