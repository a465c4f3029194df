// The records through which the panel host and the gauge module meet. The host finds
// `Linkage` and `ImportTable` among the module's exports, stores its service table in
// the import table and then reads the gauge header, the element tree, the mouse area
// list and the host variable records in place. Their layout is an interface: every
// word is 32 bits, every address 32 bits, little-endian, and every size and offset is
// fixed below (asserted in 32-bit builds, see ModuleAbi.h). The gauge module defines
// these records; the host (the simulator or our stand-in, panelhost) includes this header
// and nothing else of the gauge.
#pragma once

#include <cstddef>
#include <cstdint>

#include "HostCodes.h"
#include "ModuleAbi.h"

namespace gauge {

// A word the host hands a gauge routine and takes back unread (32 bits in the simulator).
using HostWord = uintptr_t;

struct GaugeHeader;
struct ElementHead;
struct HostVariable;
struct MouseArea;

// ---------------------------------------------------------------------------------------
// Routines of the gauge, called by the host through the gauge header and the records.

using ModuleRoutine = void(GAUGE_CALL*)();                    // module init and deinit
using QueryRoutine = int32_t(GAUGE_CALL*)();                  // QueryGauge
using InstallRoutine = void(GAUGE_CALL*)(HostWord argument);  // InstallGauge
using GaugeRoutine = void(GAUGE_CALL*)();                     // Initialize, Update, Draw, Kill
using GenerateRoutine = void(GAUGE_CALL*)(uint32_t phase);    // GenerateGauge
using SliderCallback = double(GAUGE_CALL*)(HostVariable* variable);  // offset in pixels

// ---------------------------------------------------------------------------------------
// Services of the host, called by the gauge by slot (word position in the table).

using ElementService = void(GAUGE_CALL*)(ElementHead* root);
using QueryElementsService = int32_t(GAUGE_CALL*)(ElementHead* root);
using InstallElementsService = void(GAUGE_CALL*)(ElementHead* root, HostWord argument);
using GenerateElementsService = void(GAUGE_CALL*)(ElementHead* root, uint32_t phase);
using InstallMouseAreasService = void(GAUGE_CALL*)(MouseArea* areas, GaugeHeader* gauge,
                                                   void* block);
using MouseAreasService = void(GAUGE_CALL*)(MouseArea* areas, GaugeHeader* gauge);
using SendEventService = void(GAUGE_CALL*)(uint32_t event, int32_t value);
using VariableService = void(GAUGE_CALL*)(HostVariable* variable);

enum HostServiceSlot : int {
    SlotDrawUnpowered = 20,
    SlotSwitchOff = 21,
    SlotQueryElements = 24,
    SlotInstallElements = 25,
    SlotInitializeElements = 26,
    SlotUpdateElements = 27,
    SlotGenerateElements = 28,
    SlotDrawElements = 29,
    SlotKillElements = 31,
    SlotInstallMouseAreas = 32,
    SlotRegisterMouseAreas = 33,
    SlotUnregisterMouseAreas = 34,
    SlotSendEvent = 36,
    SlotRegisterVariable = 38,
    SlotRefreshVariable = 40,
    HostServiceSlotCount = 41
};

// The host's service table as the gauge sees it: one word per slot; the slots the gauge
// does not call stay the host's business.
struct HostServices {
    void* slots0to19[20];
    ElementService drawUnpowered;  // 20: shown instead of the tree while off
    ElementService switchOff;      // 21: told once when the unit goes off
    void* slots22to23[2];
    QueryElementsService queryElements;        // 24
    InstallElementsService installElements;    // 25: loads bitmaps, fills text buffers
    ElementService initializeElements;         // 26
    ElementService updateElements;             // 27
    GenerateElementsService generateElements;  // 28
    ElementService drawElements;               // 29: every element whose hiddenBit is clear
    void* slot30;
    ElementService killElements;                 // 31
    InstallMouseAreasService installMouseAreas;  // 32
    MouseAreasService registerMouseAreas;        // 33: a click in a button calls its callback
    MouseAreasService unregisterMouseAreas;      // 34
    void* slot35;
    SendEventService sendEvent;  // 36
    void* slot37;
    VariableService registerVariable;  // 38
    void* slot39;
    VariableService refreshVariable;  // 40: current value up to date on return
};
ASSERT_32BIT_LAYOUT(offsetof(HostServices, drawUnpowered) == SlotDrawUnpowered * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, switchOff) == SlotSwitchOff * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, queryElements) == SlotQueryElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, installElements) == SlotInstallElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, initializeElements) == SlotInitializeElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, updateElements) == SlotUpdateElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, generateElements) == SlotGenerateElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, drawElements) == SlotDrawElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, killElements) == SlotKillElements * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, installMouseAreas) == SlotInstallMouseAreas * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, registerMouseAreas) == SlotRegisterMouseAreas * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, unregisterMouseAreas) == SlotUnregisterMouseAreas * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, sendEvent) == SlotSendEvent * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, registerVariable) == SlotRegisterVariable * 4);
ASSERT_32BIT_LAYOUT(offsetof(HostServices, refreshVariable) == SlotRefreshVariable * 4);
ASSERT_32BIT_LAYOUT(sizeof(HostServices) == HostServiceSlotCount * 4);

#pragma pack(push, 4)

// ---------------------------------------------------------------------------------------
// Module records.

constexpr uint32_t LinkageModuleId = 0x13;
constexpr uint32_t ImportHostServicesId = 0x0F;

struct LinkageRecord {
    uint32_t moduleId;  // 0x13
    ModuleRoutine moduleInit;
    ModuleRoutine moduleDeinit;
    uint32_t reserved[3];
    GaugeHeader* gauges[2];  // the list of gauge headers: one entry and its end
};
ASSERT_32BIT_LAYOUT(offsetof(LinkageRecord, moduleInit) == 4);
ASSERT_32BIT_LAYOUT(offsetof(LinkageRecord, moduleDeinit) == 8);
ASSERT_32BIT_LAYOUT(offsetof(LinkageRecord, gauges) == 24);
ASSERT_32BIT_LAYOUT(sizeof(LinkageRecord) == 32);

// One pair of the import table, which ends with a pair of zeros.
struct ImportEntry {
    uint32_t id;    // 0x0F: the host's service table
    void* address;  // stored by the host before any gauge routine runs
};
ASSERT_32BIT_LAYOUT(sizeof(ImportEntry) == 8);

constexpr uint32_t GaugeHeaderVersion = 0x262;
constexpr uint32_t GaugeSizeValue = 57;

struct GaugeHeader {
    uint32_t version;        // 0x262
    const char* name;        // "gps"
    ElementHead** elements;  // zero-terminated list of element addresses
    QueryRoutine query;
    InstallRoutine install;
    GaugeRoutine initialize;
    GaugeRoutine update;
    GenerateRoutine generate;
    GaugeRoutine draw;
    GaugeRoutine kill;
    uint32_t reserved10;
    uint32_t sizeValue;  // 57
    uint32_t hostWords[10];
};
ASSERT_32BIT_LAYOUT(offsetof(GaugeHeader, elements) == 8);
ASSERT_32BIT_LAYOUT(offsetof(GaugeHeader, query) == 12);
ASSERT_32BIT_LAYOUT(offsetof(GaugeHeader, kill) == 36);
ASSERT_32BIT_LAYOUT(offsetof(GaugeHeader, sizeValue) == 44);
ASSERT_32BIT_LAYOUT(offsetof(GaugeHeader, hostWords) == 48);
ASSERT_32BIT_LAYOUT(sizeof(GaugeHeader) == 22 * 4);

// ---------------------------------------------------------------------------------------
// Host variables: the gauge names a token, the host fills in the value.

struct HostVariable {
    uint32_t token;
    uint32_t hostWords[2];
    double value;          // current value, up to date after a refresh
    double previousValue;  // the host's
};
ASSERT_32BIT_LAYOUT(offsetof(HostVariable, value) == 12);
ASSERT_32BIT_LAYOUT(offsetof(HostVariable, previousValue) == 20);
ASSERT_32BIT_LAYOUT(sizeof(HostVariable) == 28);

// The gauge lays its free-standing variable records 32 bytes apart.
struct HostVariableSlot {
    HostVariable variable;
    uint32_t unused;
};
ASSERT_32BIT_LAYOUT(sizeof(HostVariableSlot) == 32);

// ---------------------------------------------------------------------------------------
// Elements. Every element starts with the same head; words the gauge leaves zero
// belong to the host.

enum ElementType : uint32_t {
    ElementImage = 0,
    ElementTextLine = 2,
    ElementSlider = 3
};

constexpr uint32_t HiddenBit = 0x40000000;

struct ElementHead {
    uint32_t type;    // ElementType
    uint32_t bitmap;  // resource number; 0 for text lines
    int32_t x, y;     // pixels from the background's top left corner
    uint32_t reserved16[4];
    GaugeHeader* gauge;
    uint32_t reserved36;
    ElementHead** children;  // zero-terminated list (the root only)
    uint32_t reserved44;
    uint32_t flags;  // HiddenBit keeps the element from being drawn
    uint32_t reserved52[2];
};
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, bitmap) == 4);
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, x) == 8);
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, y) == 12);
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, gauge) == 32);
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, children) == 40);
ASSERT_32BIT_LAYOUT(offsetof(ElementHead, flags) == 48);
ASSERT_32BIT_LAYOUT(sizeof(ElementHead) == 60);

struct ImageElement {
    ElementHead head;
    uint32_t hostWords[5];
};
ASSERT_32BIT_LAYOUT(sizeof(ImageElement) == 80);

constexpr int FontFaceSize = 32;

struct TextLineElement {
    ElementHead head;
    HostVariable variables[3];  // the first names TokenTextLine, the others are empty
    uint32_t reserved144[10];
    char* buffer;  // the line's text, filled in by the host at installation
    uint32_t reserved188;
    int32_t width, height;  // pixels
    uint32_t reserved200[2];
    uint32_t colour;  // 0x00BBGGRR
    uint32_t reserved212[9];
    char fontFace[FontFaceSize];  // zero-padded
    int32_t fontWeight;
    uint32_t characterSet;
    uint32_t drawFlags;
    int32_t capacity;  // characters
    int32_t allBits;   // -1
    uint32_t reserved300[3];
};
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, variables) == 60);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, variables) + sizeof(HostVariable) == 88);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, variables) + 2 * sizeof(HostVariable) == 116);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, buffer) == 184);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, width) == 192);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, height) == 196);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, colour) == 208);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, fontFace) == 248);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, fontWeight) == 280);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, characterSet) == 284);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, drawFlags) == 288);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, capacity) == 292);
ASSERT_32BIT_LAYOUT(offsetof(TextLineElement, allBits) == 296);
ASSERT_32BIT_LAYOUT(sizeof(TextLineElement) == 312);

struct SliderElement {
    ElementHead head;
    HostVariable variable;    // the value handed to the callback
    SliderCallback callback;  // horizontal offset in pixels
    uint32_t reserved92;
    double scale;  // pixels per unit of the callback's result
    uint32_t reserved104[16];
};
ASSERT_32BIT_LAYOUT(offsetof(SliderElement, variable) == 60);
ASSERT_32BIT_LAYOUT(offsetof(SliderElement, callback) == 88);
ASSERT_32BIT_LAYOUT(offsetof(SliderElement, scale) == 96);
ASSERT_32BIT_LAYOUT(sizeof(SliderElement) == 168);

// ---------------------------------------------------------------------------------------
// Mouse areas: a list of 11-word records ended by a record of kind MouseAreaEnd.

enum MouseAreaKind : uint32_t {
    MouseAreaWhole = 1,
    MouseAreaButton = 2,
    MouseAreaEnd = 3
};

constexpr uint32_t MouseClickMask = 0x20000000;
constexpr int32_t MouseCursorHand = 5;
constexpr int32_t MouseCursorNone = -1;

struct MouseArea {
    uint32_t kind;
    int32_t x, y, width, height;
    int32_t cursor;
    uint32_t reserved6;
    uint32_t eventMask;  // the mouse events that call the callback
    uint32_t reserved8;
    MouseCallback callback;
    uint32_t reserved10;
};
ASSERT_32BIT_LAYOUT(offsetof(MouseArea, cursor) == 20);
ASSERT_32BIT_LAYOUT(offsetof(MouseArea, eventMask) == 28);
ASSERT_32BIT_LAYOUT(offsetof(MouseArea, callback) == 36);
ASSERT_32BIT_LAYOUT(sizeof(MouseArea) == 44);

#pragma pack(pop)

}  // namespace gauge
