// The values the host reads from the gauge's records, as they are at load.
#include <gtest/gtest.h>

#include <cstring>

#include "GaugeButtons.h"
#include "GaugeLifecycle.h"
#include "GaugeRecords.h"
#include "SteeringMarker.h"

using namespace gauge;

namespace {

// Copies taken before any test changes an element's flags or a host fills in a word.
const ImageElement LoadedBackground = background;
const ImageElement LoadedAutopilotLamp = autopilotLamp;
const ImageElement LoadedAlarmLamp = alarmLamp;
const TextLineElement LoadedLines[4] = {screenLine1, screenLine2, screenLine3, screenLine4};
const ImageElement LoadedScale = steeringScale;
const SliderElement LoadedMarker = steeringMarker;

template <typename T>
bool AllZero(const T& words)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&words);
    for (size_t i = 0; i < sizeof words; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

void ExpectHead(const ElementHead& head, ElementType type, uint32_t bitmap, int x, int y,
                uint32_t flags)
{
    EXPECT_EQ(head.type, type);
    EXPECT_EQ(head.bitmap, bitmap);
    EXPECT_EQ(head.x, x);
    EXPECT_EQ(head.y, y);
    EXPECT_EQ(head.flags, flags);
    EXPECT_EQ(head.gauge, &gaugeHeader);
    EXPECT_TRUE(AllZero(head.reserved16));
    EXPECT_EQ(head.reserved36, 0u);
    EXPECT_EQ(head.reserved44, 0u);
    EXPECT_TRUE(AllZero(head.reserved52));
}

TEST(RecordsTest, LinkageAndImportTable)
{
    EXPECT_EQ(Linkage.moduleId, 0x13u);
    EXPECT_EQ(Linkage.moduleInit, &ModuleInitDeinit);
    EXPECT_EQ(Linkage.moduleDeinit, &ModuleInitDeinit);
    EXPECT_TRUE(AllZero(Linkage.reserved));
    EXPECT_EQ(Linkage.gauges[0], &gaugeHeader);
    EXPECT_EQ(Linkage.gauges[1], nullptr);

    EXPECT_EQ(ImportTable[0].id, 0x0Fu);
    EXPECT_EQ(ImportTable[1].id, 0u);
    EXPECT_EQ(ImportTable[1].address, nullptr);
}

TEST(RecordsTest, GaugeHeader)
{
    EXPECT_EQ(gaugeHeader.version, 0x262u);
    EXPECT_STREQ(gaugeHeader.name, "gps");
    ASSERT_NE(gaugeHeader.elements, nullptr);
    EXPECT_EQ(gaugeHeader.elements[0], &background.head);
    EXPECT_EQ(gaugeHeader.elements[1], nullptr);
    EXPECT_EQ(gaugeHeader.query, &QueryGauge);
    EXPECT_EQ(gaugeHeader.install, &InstallGauge);
    EXPECT_EQ(gaugeHeader.initialize, &InitializeGauge);
    EXPECT_EQ(gaugeHeader.update, &UpdateGauge);
    EXPECT_EQ(gaugeHeader.generate, &GenerateGauge);
    EXPECT_EQ(gaugeHeader.draw, &DrawGauge);
    EXPECT_EQ(gaugeHeader.kill, &KillGauge);
    EXPECT_EQ(gaugeHeader.reserved10, 0u);
    EXPECT_EQ(gaugeHeader.sizeValue, 57u);
    EXPECT_TRUE(AllZero(gaugeHeader.hostWords));
}

TEST(RecordsTest, ElementTreeAtLoad)
{
    ExpectHead(LoadedBackground.head, ElementImage, 102, 0, 0, 2);
    ElementHead** children = background.head.children;
    ASSERT_NE(children, nullptr);
    ElementHead* expected[] = {&autopilotLamp.head, &alarmLamp.head,      &screenLine1.head,
                               &screenLine2.head,   &screenLine3.head,    &screenLine4.head,
                               &steeringScale.head, &steeringMarker.head, nullptr};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(children[i], expected[i]) << i;

    ExpectHead(LoadedAutopilotLamp.head, ElementImage, 112, 70, 76, 0x40000006);
    ExpectHead(LoadedAlarmLamp.head, ElementImage, 112, 70, 61, 0x40000006);
    ExpectHead(LoadedScale.head, ElementImage, 108, 11, 41, 6);
    ExpectHead(LoadedMarker.head, ElementSlider, 109, 33, 50, 7);
    for (const ImageElement* image : {&LoadedAutopilotLamp, &LoadedAlarmLamp, &LoadedScale}) {
        EXPECT_EQ(image->head.children, nullptr);
        EXPECT_TRUE(AllZero(image->hostWords));
    }
}

TEST(RecordsTest, TextLines)
{
    const int x[] = {7, 7, 7, 85}, y[] = {5, 17, 29, 41};
    const int width[] = {150, 150, 150, 72}, capacity[] = {25, 25, 25, 12};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        const TextLineElement& line = LoadedLines[i];
        ExpectHead(line.head, ElementTextLine, 0, x[i], y[i], 6);
        EXPECT_EQ(line.variables[0].token, 5u);
        EXPECT_TRUE(AllZero(line.variables[1]));
        EXPECT_TRUE(AllZero(line.variables[2]));
        EXPECT_EQ(line.buffer, nullptr);
        EXPECT_EQ(line.width, width[i]);
        EXPECT_EQ(line.height, 12);
        EXPECT_EQ(line.colour, 0x000000FFu);
        char face[FontFaceSize] = "Courier New";
        EXPECT_EQ(std::memcmp(line.fontFace, face, FontFaceSize), 0);
        EXPECT_EQ(line.fontWeight, 400);
        EXPECT_EQ(line.characterSet, 1u);
        EXPECT_EQ(line.drawFlags, 0x20u);
        EXPECT_EQ(line.capacity, capacity[i]);
        EXPECT_EQ(line.allBits, -1);
        EXPECT_TRUE(AllZero(line.reserved144));
        EXPECT_EQ(line.reserved188, 0u);
        EXPECT_TRUE(AllZero(line.reserved200));
        EXPECT_TRUE(AllZero(line.reserved212));
        EXPECT_TRUE(AllZero(line.reserved300));
    }
}

TEST(RecordsTest, SteeringMarker)
{
    EXPECT_EQ(LoadedMarker.variable.token, 0x51u);
    EXPECT_EQ(LoadedMarker.variable.value, 0.0);
    EXPECT_EQ(LoadedMarker.callback, &SteeringOffset);
    EXPECT_EQ(LoadedMarker.reserved92, 0u);
    EXPECT_EQ(LoadedMarker.scale, 1.0);
    EXPECT_TRUE(AllZero(LoadedMarker.reserved104));
}

TEST(RecordsTest, MouseAreas)
{
    const MouseArea& whole = mouseAreas[0];
    EXPECT_EQ(whole.kind, 1u);
    EXPECT_EQ(whole.x | whole.y | whole.width | whole.height, 0);
    EXPECT_EQ(whole.cursor, -1);
    EXPECT_EQ(whole.eventMask, 0u);
    EXPECT_EQ(whole.callback, nullptr);

    const struct {
        int x, y;
        MouseCallback callback;
    } buttons[] = {{3, 58, OnNavButton},   {35, 58, OnInfButton},  {67, 58, OnAlrButton},
                   {99, 58, OnSetButton},  {131, 58, OnPwrButton}, {3, 73, OnDirectToButton},
                   {35, 73, OnRteButton},  {67, 73, OnAutButton},  {99, 73, OnPrevButton},
                   {131, 73, OnNextButton}};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const MouseArea& area = mouseAreas[i + 1];
        EXPECT_EQ(area.kind, 2u);
        EXPECT_EQ(area.x, buttons[i].x);
        EXPECT_EQ(area.y, buttons[i].y);
        EXPECT_EQ(area.width, 30);
        EXPECT_EQ(area.height, 13);
        EXPECT_EQ(area.cursor, 5);
        EXPECT_EQ(area.reserved6, 0u);
        EXPECT_EQ(area.eventMask, 0x20000000u);
        EXPECT_EQ(area.reserved8, 0u);
        EXPECT_EQ(area.callback, buttons[i].callback);
        EXPECT_EQ(area.reserved10, 0u);
    }
    const MouseArea& end = mouseAreas[11];
    EXPECT_EQ(end.kind, 3u);
    EXPECT_EQ(end.cursor, -1);
    EXPECT_EQ(end.x | end.y | end.width | end.height, 0);
    EXPECT_EQ(end.callback, nullptr);
}

TEST(RecordsTest, FreeStandingVariablesLie32BytesApart)
{
    const uint32_t tokens[] = {0x47, 0x48, 0x49, 0x51, 0x52, 0x157, 0x158};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(hostVariables[i].variable.token, tokens[i]);
        EXPECT_EQ(reinterpret_cast<const char*>(&hostVariables[i]) -
                      reinterpret_cast<const char*>(&hostVariables[0]),
                  32 * i);
    }
}

}  // namespace
