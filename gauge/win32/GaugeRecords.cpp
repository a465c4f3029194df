#include "GaugeRecords.h"

#include "GaugeButtons.h"
#include "GaugeLifecycle.h"
#include "GaugeResourceIds.h"
#include "SteeringMarker.h"

namespace gauge {

namespace {

// Element flags at load. Only the HiddenBit is the gauge's; the other bits are the host's.
constexpr uint32_t BackgroundFlags = 2;
constexpr uint32_t LampFlags = HiddenBit | 6;
constexpr uint32_t TextLineFlags = 6;
constexpr uint32_t ScaleFlags = 6;
constexpr uint32_t MarkerFlags = 7;

constexpr int32_t LineHeight = 12;
constexpr uint32_t ScreenRed = 0x000000FF;
constexpr int32_t NormalWeight = 400;
constexpr uint32_t TextCharacterSet = 1;
constexpr uint32_t TextDrawFlags = 0x20;
constexpr char ScreenFont[] = "Courier New";

constexpr int32_t ButtonWidth = 30;
constexpr int32_t ButtonHeight = 13;

const char GaugeName[] = "gps";

ElementHead* backgroundChildren[] = {&autopilotLamp.head, &alarmLamp.head,      &screenLine1.head,
                                     &screenLine2.head,   &screenLine3.head,    &screenLine4.head,
                                     &steeringScale.head, &steeringMarker.head, nullptr};

ElementHead* gaugeElements[] = {&background.head, nullptr};

constexpr ElementHead Head(ElementType type, uint32_t bitmap, int32_t x, int32_t y, uint32_t flags)
{
    ElementHead head{};
    head.type = type;
    head.bitmap = bitmap;
    head.x = x;
    head.y = y;
    head.gauge = &gaugeHeader;
    head.flags = flags;
    return head;
}

constexpr ImageElement Image(uint32_t bitmap, int32_t x, int32_t y, uint32_t flags,
                             ElementHead** children = nullptr)
{
    ImageElement image{};
    image.head = Head(ElementImage, bitmap, x, y, flags);
    image.head.children = children;
    return image;
}

constexpr TextLineElement TextLine(int32_t x, int32_t y, int32_t width, int32_t capacity)
{
    TextLineElement line{};
    line.head = Head(ElementTextLine, 0, x, y, TextLineFlags);
    line.variables[0].token = TokenTextLine;
    line.width = width;
    line.height = LineHeight;
    line.colour = ScreenRed;
    for (int i = 0; ScreenFont[i] != '\0'; ++i) line.fontFace[i] = ScreenFont[i];
    line.fontWeight = NormalWeight;
    line.characterSet = TextCharacterSet;
    line.drawFlags = TextDrawFlags;
    line.capacity = capacity;
    line.allBits = -1;
    return line;
}

constexpr SliderElement Marker()
{
    SliderElement marker{};
    marker.head = Head(ElementSlider, BMP_STEERING_MARKER, 33, 50, MarkerFlags);
    marker.variable.token = TokenHeading;
    marker.callback = SteeringOffset;
    marker.scale = 1.0;
    return marker;
}

constexpr MouseArea Button(int32_t x, int32_t y, MouseCallback callback)
{
    return {MouseAreaButton, x, y, ButtonWidth, ButtonHeight, MouseCursorHand, 0, MouseClickMask, 0,
            callback,        0};
}

constexpr HostVariableSlot Variable(HostVariableToken token)
{
    HostVariableSlot slot{};
    slot.variable.token = token;
    return slot;
}

}  // namespace

constinit GaugeHeader gaugeHeader = {GaugeHeaderVersion,
                                     GaugeName,
                                     gaugeElements,
                                     QueryGauge,
                                     InstallGauge,
                                     InitializeGauge,
                                     UpdateGauge,
                                     GenerateGauge,
                                     DrawGauge,
                                     KillGauge,
                                     0,
                                     GaugeSizeValue,
                                     {}};

constinit ImageElement background = Image(BMP_UNIT, 0, 0, BackgroundFlags, backgroundChildren);
constinit ImageElement autopilotLamp = Image(BMP_LAMP, 70, 76, LampFlags);
constinit ImageElement alarmLamp = Image(BMP_LAMP, 70, 61, LampFlags);
constinit TextLineElement screenLine1 = TextLine(7, 5, 150, 25);
constinit TextLineElement screenLine2 = TextLine(7, 17, 150, 25);
constinit TextLineElement screenLine3 = TextLine(7, 29, 150, 25);
constinit TextLineElement screenLine4 = TextLine(85, 41, 72, 12);
constinit ImageElement steeringScale = Image(BMP_STEERING_SCALE, 11, 41, ScaleFlags);
constinit SliderElement steeringMarker = Marker();

constinit MouseArea mouseAreas[ButtonCount + 2] = {
    {MouseAreaWhole, 0, 0, 0, 0, MouseCursorNone, 0, 0, 0, nullptr, 0},
    Button(3, 58, OnNavButton),
    Button(35, 58, OnInfButton),
    Button(67, 58, OnAlrButton),
    Button(99, 58, OnSetButton),
    Button(131, 58, OnPwrButton),
    Button(3, 73, OnDirectToButton),
    Button(35, 73, OnRteButton),
    Button(67, 73, OnAutButton),
    Button(99, 73, OnPrevButton),
    Button(131, 73, OnNextButton),
    {MouseAreaEnd, 0, 0, 0, 0, MouseCursorNone, 0, 0, 0, nullptr, 0}};

constinit HostVariableSlot hostVariables[FreeVariableCount] = {
    Variable(TokenLatitude),     Variable(TokenLongitude), Variable(TokenAltitude),
    Variable(TokenHeading),      Variable(TokenVariation), Variable(TokenWindSpeed),
    Variable(TokenWindDirection)};

}  // namespace gauge

constinit gauge::LinkageRecord Linkage = {gauge::LinkageModuleId,
                                          gauge::ModuleInitDeinit,
                                          gauge::ModuleInitDeinit,
                                          {0, 0, 0},
                                          {&gauge::gaugeHeader, nullptr}};

constinit gauge::ImportEntry ImportTable[2] = {{gauge::ImportHostServicesId, nullptr},
                                               {0, nullptr}};
