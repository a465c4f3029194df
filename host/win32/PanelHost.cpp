#include "PanelHost.h"

#include <cmath>
#include <cstring>

#include "ImportBinding.h"
#include "PanelWindow.h"
#include "Scenario.h"

namespace {

constexpr uint32_t GeneratePhase = 1;
constexpr int32_t QueryAccepted = 1;
constexpr uint32_t RegisteredMark = 1;          // host word 0 of a registered variable

PanelHost* activeHost = nullptr;

Picture LoadPicture(HMODULE module, uint32_t resource)
{
    Picture picture;
    auto bitmap = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(resource),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return picture;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = picture.width;
    format.bmiHeader.biHeight = -picture.height;   // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return picture;
}

HFONT CreateLineFont(const TextLineElement& line)
{
    LOGFONTA font{};
    font.lfHeight = -(line.height - 2);
    font.lfWidth = line.capacity > 0 ? line.width / line.capacity : 0;
    font.lfWeight = line.fontWeight;
    font.lfCharSet = static_cast<BYTE>(line.characterSet);
    font.lfQuality = NONANTIALIASED_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::memcpy(font.lfFaceName, line.fontFace, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

bool Contains(const MouseArea& area, int x, int y)
{
    return x >= area.x && x < area.x + area.width && y >= area.y && y < area.y + area.height;
}

}  // namespace

struct PanelHost::HostElement {
    ElementHead* record;
    Picture picture;                   // images and the slider
    HFONT font = nullptr;              // text lines
    std::unique_ptr<char[]> buffer;    // text lines: the buffer handed to the gauge
};

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
    if (mainWindow) mainWindow_ = CreatePanelWindow(this);
}

PanelHost::~PanelHost()
{
    std::string ignored;
    if (Loaded()) Unload(ignored);
    if (frameDC_) {
        SelectObject(frameDC_, previousBitmap_);
        DeleteDC(frameDC_);
    }
    if (frameBitmap_) DeleteObject(frameBitmap_);
    if (mainWindow_) DestroyWindow(mainWindow_);
    if (activeHost == this) activeHost = nullptr;
}

PanelHost& PanelHost::Active()
{
    return *activeHost;
}

bool PanelHost::Load(const std::string& modulePath, std::string& error)
{
    if (module_) {
        error = "a gauge is loaded already";
        return false;
    }
    // Libraries the module imports are looked for beside it first.
    HMODULE module = LoadLibraryExA(modulePath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        error = "cannot load " + modulePath + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    auto* linkage = reinterpret_cast<LinkageRecord*>(GetProcAddress(module, "Linkage"));
    auto* imports = reinterpret_cast<ImportEntry*>(GetProcAddress(module, "ImportTable"));
    if (!linkage || !imports || linkage->moduleId != LinkageModuleId || !linkage->gauges[0] ||
        linkage->gauges[0]->version != GaugeHeaderVersion) {
        FreeLibrary(module);
        error = modulePath + " is not a gauge module (Linkage, ImportTable or gauge header)";
        return false;
    }
    timersBound_ =
        BindModuleImport(module, "user32.dll", "SetTimer",
                         reinterpret_cast<void*>(ClockSetTimer)) > 0 &&
        BindModuleImport(module, "user32.dll", "KillTimer",
                         reinterpret_cast<void*>(ClockKillTimer)) > 0;

    module_ = module;
    linkage_ = linkage;
    gauge_ = linkage->gauges[0];
    linkage_->moduleInit();
    for (ImportEntry* entry = imports; entry->id != 0 || entry->address != nullptr; ++entry)
        if (entry->id == ImportHostServicesId) entry->address = &services_;

    gauge_->query();
    gauge_->install(reinterpret_cast<HostWord>(gauge_));
    gauge_->initialize();
    DrawFrame();
    return true;
}

bool PanelHost::Unload(std::string& problem)
{
    if (!module_) {
        problem = "no gauge is loaded";
        return false;
    }
    gauge_->kill();
    linkage_->moduleDeinit();

    // Nothing of the module may be called once it is freed.
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module_);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(reinterpret_cast<BYTE*>(module_) + dos->e_lfanew);
    auto begin = reinterpret_cast<uintptr_t>(module_);
    auto end = begin + nt->OptionalHeader.SizeOfImage;
    problem.clear();
    std::vector<ClockTimer> timers = clock_.Timers();
    for (const ClockTimer& timer : timers) {
        auto procedure = reinterpret_cast<uintptr_t>(timer.procedure);
        if (procedure >= begin && procedure < end) {
            problem += "the gauge left timer " + std::to_string(timer.id) + " running; ";
            clock_.Kill(timer.window, timer.id);
        }
    }
    if (!registeredLists_.empty()) problem += "the gauge left its mouse areas registered; ";
    registeredLists_.clear();
    mouseLists_.clear();
    variables_.clear();
    ReleaseElements();

    FreeLibrary(module_);
    module_ = nullptr;
    linkage_ = nullptr;
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
        for (const MouseArea* area = list; area->kind != MouseAreaEnd; ++area)
            if (area->kind == MouseAreaButton) buttons.push_back(area);
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
    return area ? area->cursor : MouseCursorNone;
}

int PanelHost::TextLineCount() const
{
    int count = 0;
    for (const auto& element : elements_)
        if (element->record->type == ElementTextLine) ++count;
    return count;
}

std::string PanelHost::ScreenText(int line) const
{
    int number = 0;
    for (const auto& element : elements_) {
        if (element->record->type != ElementTextLine || ++number != line) continue;
        auto* record = reinterpret_cast<TextLineElement*>(element->record);
        return std::string(element->buffer.get(), strnlen(element->buffer.get(), record->capacity + 1));
    }
    return {};
}

std::vector<LampState> PanelHost::Lamps() const
{
    std::vector<LampState> lamps;
    std::vector<const MouseArea*> buttons = Buttons();
    for (size_t i = 1; i < elements_.size(); ++i) {
        const ElementHead& head = *elements_[i]->record;
        if (head.type != ElementImage) continue;
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
    for (const auto& element : elements_)
        if (element->record->type == ElementSlider)
            return {(element->record->flags & HiddenBit) == 0, markerOffset_};
    return {false, 0.0};
}

PixelView PanelHost::Frame() const
{
    GdiFlush();
    return {frameWidth_, frameHeight_, framePixels_};
}

// ---------------------------------------------------------------------------------------
// Elements and drawing.

void PanelHost::BuildElements(ElementHead* root)
{
    ReleaseElements();
    std::vector<ElementHead*> records{root};
    for (ElementHead** child = root->children; child && *child; ++child) records.push_back(*child);
    for (ElementHead* record : records) {
        auto element = std::make_unique<HostElement>();
        element->record = record;
        if (record->type == ElementTextLine) {
            auto* line = reinterpret_cast<TextLineElement*>(record);
            element->font = CreateLineFont(*line);
            element->buffer = std::make_unique<char[]>(line->capacity + 1);
            line->buffer = element->buffer.get();
        } else {
            element->picture = LoadPicture(module_, record->bitmap);
        }
        elements_.push_back(std::move(element));
    }

    const Picture& face = elements_.front()->picture;
    if (face.width == frameWidth_ && face.height == frameHeight_ && frameDC_) return;
    if (frameDC_) {
        SelectObject(frameDC_, previousBitmap_);
        DeleteDC(frameDC_);
        DeleteObject(frameBitmap_);
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = face.width;
    format.bmiHeader.biHeight = -face.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    frameBitmap_ = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    framePixels_ = static_cast<uint32_t*>(bits);
    frameWidth_ = face.width;
    frameHeight_ = face.height;
    frameDC_ = CreateCompatibleDC(nullptr);
    previousBitmap_ = SelectObject(frameDC_, frameBitmap_);
}

void PanelHost::ReleaseElements()
{
    for (auto& element : elements_) {
        if (element->font) DeleteObject(element->font);
        if (element->record->type == ElementTextLine)
            reinterpret_cast<TextLineElement*>(element->record)->buffer = nullptr;
    }
    elements_.clear();
}

bool PanelHost::PaintFace(bool powered)
{
    drawnPowered_ = powered;
    if (elements_.empty()) return false;
    GdiFlush();
    const HostElement& face = *elements_.front();
    DrawPicture(Frame(), face.picture, face.record->x, face.record->y, false);
    return true;
}

void PanelHost::PaintText(HostElement& element)
{
    auto* line = reinterpret_cast<TextLineElement*>(element.record);
    const char* buffer = element.buffer.get();
    int length = static_cast<int>(strnlen(buffer, line->capacity));
    wchar_t wide[256];
    int wideLength = MultiByteToWideChar(ScreenCodePage, 0, buffer, length, wide, 256);
    HGDIOBJ previousFont = SelectObject(frameDC_, element.font);
    SetTextColor(frameDC_, line->colour);
    SetBkMode(frameDC_, TRANSPARENT);
    RECT box{line->head.x, line->head.y, line->head.x + line->width, line->head.y + line->height};
    DrawTextW(frameDC_, wide, wideLength, &box, line->drawFlags | DT_NOPREFIX);
    SelectObject(frameDC_, previousFont);
    GdiFlush();
}

void PanelHost::PaintElement(HostElement& element)
{
    ElementHead& head = *element.record;
    PixelView frame = Frame();
    switch (head.type) {
    case ElementImage:
        DrawPicture(frame, element.picture, head.x, head.y, true);
        break;
    case ElementTextLine:
        PaintText(element);
        break;
    case ElementSlider: {
        auto* slider = reinterpret_cast<SliderElement*>(element.record);
        RefreshVariable(&slider->variable);
        markerOffset_ = slider->callback ? slider->callback(&slider->variable) : 0.0;
        int shift = static_cast<int>(std::lround(markerOffset_ * slider->scale));
        DrawPicture(frame, element.picture, head.x + shift, head.y, true);
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Services.

void GAUGE_CALL PanelHost::DrawUnpowered(ElementHead*)
{
    // The unit's face alone: its screen stays dark.
    Active().PaintFace(false);
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
    Active().BuildElements(root);
}

void GAUGE_CALL PanelHost::InitializeElements(ElementHead*) {}

void GAUGE_CALL PanelHost::UpdateElements(ElementHead*) {}

void GAUGE_CALL PanelHost::GenerateElements(ElementHead*, uint32_t) {}

void GAUGE_CALL PanelHost::DrawElements(ElementHead*)
{
    PanelHost& host = Active();
    if (!host.PaintFace(true)) return;
    for (size_t i = 1; i < host.elements_.size(); ++i)
        if (!(host.elements_[i]->record->flags & HiddenBit)) host.PaintElement(*host.elements_[i]);
}

void GAUGE_CALL PanelHost::KillElements(ElementHead*)
{
    Active().ReleaseElements();
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

UINT_PTR WINAPI PanelHost::ClockSetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC procedure)
{
    return Active().clock_.Set(reinterpret_cast<uintptr_t>(window), id, periodMs,
                               reinterpret_cast<void*>(procedure));
}

BOOL WINAPI PanelHost::ClockKillTimer(HWND window, UINT_PTR id)
{
    return Active().clock_.Kill(reinterpret_cast<uintptr_t>(window), id);
}
