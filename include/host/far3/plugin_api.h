// Far Manager 3's plug-in interface, as far as this module uses it, for 64-bit Windows. Every
// record matches the host byte for byte; fields the module never touches are kept as opaque
// members of the right size. The asserts below make a wrong layout a build error rather than a
// crash inside the host.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pickwell::far3 {

static_assert(sizeof(void*) == 8, "the host interface is declared for 64-bit Windows only");

// The host's wchar_t is a 16-bit UTF-16 code unit; char16_t has the same size and alignment on
// every compiler, so the records read the same from a native build.
using WChar = char16_t;
using Handle = void*;
using IntPtr = std::intptr_t;
using UIntPtr = std::uintptr_t;
using Dword = std::uint32_t;
using Flags64 = std::uint64_t;  // every ..._FLAGS type of the interface

inline Handle const kInvalidHandle = reinterpret_cast<Handle>(static_cast<IntPtr>(-1));
inline Handle const kActivePanel = kInvalidHandle;  // PANEL_ACTIVE

inline constexpr IntPtr kTrue = 1;
inline constexpr IntPtr kFalse = 0;

// UUID: the host names plug-ins, menu items and dialogs by these.
struct Uuid {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
    bool operator==(const Uuid&) const = default;
};
static_assert(sizeof(Uuid) == 16 && alignof(Uuid) == 4);

struct FarDialogItem;
struct FarMacroValue;
struct FarKey;
struct FarMenuItem;

using GetMsgFn = const WChar* (*)(const Uuid* plugin_id, IntPtr msg_id);
using MenuFn = IntPtr (*)(const Uuid* plugin_id, const Uuid* id, IntPtr x, IntPtr y,
                          IntPtr max_height, Flags64 flags, const WChar* title, const WChar* bottom,
                          const WChar* help_topic, const FarKey* break_keys, IntPtr* break_code,
                          const FarMenuItem* items, std::size_t items_number);
using MessageFn = IntPtr (*)(const Uuid* plugin_id, const Uuid* id, Flags64 flags,
                             const WChar* help_topic, const WChar* const* items,
                             std::size_t items_number, IntPtr buttons_number);
using CopyToClipboardFn = int (*)(int type, const WChar* data);
using PanelControlFn = IntPtr (*)(Handle panel, int command, IntPtr param1, void* param2);
using DlgProcFn = IntPtr (*)(Handle dialog, IntPtr msg, IntPtr param1, void* param2);
using DialogInitFn = Handle (*)(const Uuid* plugin_id, const Uuid* id, IntPtr x1, IntPtr y1,
                                IntPtr x2, IntPtr y2, const WChar* help_topic,
                                const FarDialogItem* items, std::size_t items_number,
                                IntPtr reserved, Flags64 flags, DlgProcFn dlg_proc, void* param);
using DialogRunFn = IntPtr (*)(Handle dialog);
using DialogFreeFn = void (*)(Handle dialog);
using SendDlgMessageFn = IntPtr (*)(Handle dialog, IntPtr msg, IntPtr param1, void* param2);
using SettingsControlFn = IntPtr (*)(Handle settings, int command, IntPtr param1, void* param2);
using MacroCallbackFn = void (*)(void* callback_data, FarMacroValue* values, std::size_t count);
using OpaqueFn = void (*)();

// VERSION_STAGE
inline constexpr Dword VS_RELEASE = 0;

struct VersionInfo {
    Dword Major;
    Dword Minor;
    Dword Revision;
    Dword Build;
    Dword Stage;
};
static_assert(sizeof(VersionInfo) == 20);
static_assert(offsetof(VersionInfo, Revision) == 8);
static_assert(offsetof(VersionInfo, Build) == 12);
static_assert(offsetof(VersionInfo, Stage) == 16);

struct GlobalInfo {
    std::size_t StructSize;
    VersionInfo MinFarVersion;
    VersionInfo Version;
    Uuid Guid;
    const WChar* Title;
    const WChar* Description;
    const WChar* Author;
    void* Instance;  // since host build 3596
};
static_assert(sizeof(GlobalInfo) == 96);
static_assert(offsetof(GlobalInfo, MinFarVersion) == 8);
static_assert(offsetof(GlobalInfo, Version) == 28);
static_assert(offsetof(GlobalInfo, Guid) == 48);
static_assert(offsetof(GlobalInfo, Title) == 64);
static_assert(offsetof(GlobalInfo, Description) == 72);
static_assert(offsetof(GlobalInfo, Author) == 80);
static_assert(offsetof(GlobalInfo, Instance) == 88);

// The standard functions: only the clipboard's writer is called.
struct FarStandardFunctions {
    std::size_t StructSize;
    OpaqueFn Unused8To256[31];  // atoi ... AddEndSlash
    CopyToClipboardFn CopyToClipboard;
    OpaqueFn Unused264To400[17];  // PasteFromClipboard ... DetectCodePage
};
static_assert(sizeof(FarStandardFunctions) == 400);
static_assert(offsetof(FarStandardFunctions, CopyToClipboard) == 256);

// FARCLIPBOARD_TYPE: the host writes nothing for FCT_ANY.
inline constexpr int FCT_STREAM = 1;

struct PluginStartupInfo {
    std::size_t StructSize;
    const WChar* ModuleName;
    MenuFn Menu;
    MessageFn Message;
    GetMsgFn GetMsg;
    PanelControlFn PanelControl;
    OpaqueFn Unused48To128[10];  // SaveScreen ... EditorControl
    const FarStandardFunctions* FSF;
    OpaqueFn ShowHelp;
    OpaqueFn AdvControl;
    OpaqueFn InputBox;
    OpaqueFn ColorDialog;
    DialogInitFn DialogInit;
    DialogRunFn DialogRun;
    DialogFreeFn DialogFree;
    SendDlgMessageFn SendDlgMessage;
    OpaqueFn DefDlgProc;
    OpaqueFn ViewerControl;
    OpaqueFn PluginsControl;
    OpaqueFn FileFilterControl;
    OpaqueFn RegExpControl;
    OpaqueFn MacroControl;
    SettingsControlFn SettingsControl;
    const void* Private;
    void* Instance;       // since host build 3596
    OpaqueFn FreeScreen;  // since host build 5552
};
static_assert(sizeof(PluginStartupInfo) == 280);
static_assert(offsetof(PluginStartupInfo, ModuleName) == 8);
static_assert(offsetof(PluginStartupInfo, Menu) == 16);
static_assert(offsetof(PluginStartupInfo, Message) == 24);
static_assert(offsetof(PluginStartupInfo, GetMsg) == 32);
static_assert(offsetof(PluginStartupInfo, PanelControl) == 40);
static_assert(offsetof(PluginStartupInfo, FSF) == 128);
static_assert(offsetof(PluginStartupInfo, DialogInit) == 168);
static_assert(offsetof(PluginStartupInfo, DialogRun) == 176);
static_assert(offsetof(PluginStartupInfo, DialogFree) == 184);
static_assert(offsetof(PluginStartupInfo, SendDlgMessage) == 192);
static_assert(offsetof(PluginStartupInfo, SettingsControl) == 248);
static_assert(offsetof(PluginStartupInfo, Private) == 256);
static_assert(offsetof(PluginStartupInfo, Instance) == 264);
static_assert(offsetof(PluginStartupInfo, FreeScreen) == 272);

struct PluginMenuItem {
    const Uuid* Guids;
    const WChar* const* Strings;
    std::size_t Count;
};
static_assert(sizeof(PluginMenuItem) == 24);
static_assert(offsetof(PluginMenuItem, Strings) == 8);
static_assert(offsetof(PluginMenuItem, Count) == 16);

struct PluginInfo {
    std::size_t StructSize;
    Flags64 Flags;
    PluginMenuItem DiskMenu;
    PluginMenuItem PluginMenu;
    PluginMenuItem PluginConfig;
    const WChar* CommandPrefix;
    void* Instance;  // since host build 3596
};
static_assert(sizeof(PluginInfo) == 104);
static_assert(offsetof(PluginInfo, Flags) == 8);
static_assert(offsetof(PluginInfo, DiskMenu) == 16);
static_assert(offsetof(PluginInfo, PluginMenu) == 40);
static_assert(offsetof(PluginInfo, PluginConfig) == 64);
static_assert(offsetof(PluginInfo, CommandPrefix) == 88);
static_assert(offsetof(PluginInfo, Instance) == 96);

// OPENFROM
inline constexpr int OPEN_PLUGINSMENU = 1;
inline constexpr int OPEN_FROMMACRO = 11;

struct OpenInfo {
    std::size_t StructSize;
    int OpenFrom;
    const Uuid* Guid;
    IntPtr Data;
    void* Instance;  // since host build 3596
};
static_assert(sizeof(OpenInfo) == 40);
static_assert(offsetof(OpenInfo, OpenFrom) == 8);
static_assert(offsetof(OpenInfo, Guid) == 16);
static_assert(offsetof(OpenInfo, Data) == 24);
static_assert(offsetof(OpenInfo, Instance) == 32);

struct ConfigureInfo {
    std::size_t StructSize;
    const Uuid* Guid;
    void* Instance;  // since host build 3596
};
static_assert(sizeof(ConfigureInfo) == 24);
static_assert(offsetof(ConfigureInfo, Guid) == 8);
static_assert(offsetof(ConfigureInfo, Instance) == 16);

// FARMACROVARTYPE
inline constexpr int FMVT_INTEGER = 1;
inline constexpr int FMVT_STRING = 2;
inline constexpr int FMVT_DOUBLE = 3;
inline constexpr int FMVT_BOOLEAN = 4;
inline constexpr int FMVT_NIL = 7;
inline constexpr int FMVT_ARRAY = 8;  // since host build 3462

struct FarMacroBinary {
    void* Data;
    std::size_t Size;
};

struct FarMacroArray {
    FarMacroValue* Values;
    std::size_t Count;
};

struct FarMacroValue {
    int Type;
    union {
        std::int64_t Integer;
        std::int64_t Boolean;
        double Double;
        const WChar* String;
        FarMacroBinary Binary;
        FarMacroArray Array;
    };
};
static_assert(sizeof(FarMacroValue) == 24);
static_assert(offsetof(FarMacroValue, Integer) == 8);
static_assert(offsetof(FarMacroValue, Double) == 8);
static_assert(offsetof(FarMacroValue, String) == 8);
static_assert(offsetof(FarMacroValue, Array) + offsetof(FarMacroArray, Values) == 8);
static_assert(offsetof(FarMacroValue, Array) + offsetof(FarMacroArray, Count) == 16);

struct OpenMacroInfo {
    std::size_t StructSize;
    std::size_t Count;
    FarMacroValue* Values;
};
static_assert(sizeof(OpenMacroInfo) == 24);
static_assert(offsetof(OpenMacroInfo, Count) == 8);
static_assert(offsetof(OpenMacroInfo, Values) == 16);

struct FarMacroCall {
    std::size_t StructSize;
    std::size_t Count;
    FarMacroValue* Values;
    MacroCallbackFn Callback;
    void* CallbackData;
};
static_assert(sizeof(FarMacroCall) == 40);
static_assert(offsetof(FarMacroCall, Count) == 8);
static_assert(offsetof(FarMacroCall, Values) == 16);
static_assert(offsetof(FarMacroCall, Callback) == 24);
static_assert(offsetof(FarMacroCall, CallbackData) == 32);

// Panel commands for PanelControl. Not Far 2's numbers from FCTL_GETPANELITEM on.
inline constexpr int FCTL_GETPANELINFO = 1;
inline constexpr int FCTL_REDRAWPANEL = 3;
inline constexpr int FCTL_SETSELECTION = 6;
inline constexpr int FCTL_GETPANELITEM = 21;
inline constexpr int FCTL_BEGINSELECTION = 27;
inline constexpr int FCTL_ENDSELECTION = 28;

inline constexpr int PTYPE_FILEPANEL = 0;
inline constexpr Flags64 PFLAGS_PLUGIN = 0x800;

struct Rect {
    std::int32_t Left, Top, Right, Bottom;
};

struct PanelInfo {
    std::size_t StructSize;
    Handle PluginHandle;
    Uuid OwnerGuid;
    Flags64 Flags;
    std::size_t ItemsNumber;
    std::size_t SelectedItemsNumber;
    Rect PanelRect;
    std::size_t CurrentItem;
    std::size_t TopPanelItem;
    IntPtr ViewMode;
    int PanelType;
    int SortMode;
};
static_assert(sizeof(PanelInfo) == 104);
static_assert(offsetof(PanelInfo, OwnerGuid) == 16);
static_assert(offsetof(PanelInfo, Flags) == 32);
static_assert(offsetof(PanelInfo, ItemsNumber) == 40);
static_assert(offsetof(PanelInfo, PanelRect) == 56);
static_assert(offsetof(PanelInfo, CurrentItem) == 72);
static_assert(offsetof(PanelInfo, PanelType) == 96);
static_assert(offsetof(PanelInfo, SortMode) == 100);

struct FileTime {
    Dword Low, High;
};

struct UserDataItem {
    void* Data;
    OpaqueFn FreeData;
};

struct PluginPanelItem {
    FileTime CreationTime;
    FileTime LastAccessTime;
    FileTime LastWriteTime;
    FileTime ChangeTime;
    std::uint64_t FileSize;
    std::uint64_t AllocationSize;
    const WChar* FileName;
    const WChar* AlternateFileName;
    const WChar* Description;
    const WChar* Owner;
    const WChar* const* CustomColumnData;
    std::size_t CustomColumnNumber;
    Flags64 Flags;
    UserDataItem UserData;
    UIntPtr FileAttributes;
    UIntPtr NumberOfLinks;
    UIntPtr CRC32;
    IntPtr Reserved[2];
};
static_assert(sizeof(PluginPanelItem) == 160);
static_assert(offsetof(PluginPanelItem, FileSize) == 32);
static_assert(offsetof(PluginPanelItem, FileName) == 48);
static_assert(offsetof(PluginPanelItem, AlternateFileName) == 56);
static_assert(offsetof(PluginPanelItem, Flags) == 96);
static_assert(offsetof(PluginPanelItem, UserData) == 104);
static_assert(offsetof(PluginPanelItem, FileAttributes) == 120);
static_assert(offsetof(PluginPanelItem, Reserved) == 144);

struct FarGetPluginPanelItem {
    std::size_t StructSize;
    std::size_t Size;
    PluginPanelItem* Item;
};
static_assert(sizeof(FarGetPluginPanelItem) == 24);
static_assert(offsetof(FarGetPluginPanelItem, Size) == 8);
static_assert(offsetof(FarGetPluginPanelItem, Item) == 16);

// Dialog item types, flags and messages.
inline constexpr int DI_TEXT = 0;
inline constexpr int DI_DOUBLEBOX = 3;
inline constexpr int DI_EDIT = 4;
inline constexpr int DI_BUTTON = 7;
inline constexpr int DI_CHECKBOX = 8;
inline constexpr Flags64 DIF_CENTERGROUP = 0x4000;
inline constexpr Flags64 DIF_SEPARATOR = 0x10000;
inline constexpr Flags64 DIF_DEFAULTBUTTON = 0x100000000;
inline constexpr Flags64 DIF_FOCUS = 0x200000000;
inline constexpr IntPtr DM_GETCHECK = 25;
inline constexpr IntPtr DM_GETCONSTTEXTPTR = 63;

struct FarDialogItem {
    int Type;
    IntPtr X1, Y1, X2, Y2;
    IntPtr Selected;  // a union in the host: a check box's state, or a pointer
    const WChar* History;
    const WChar* Mask;
    Flags64 Flags;
    const WChar* Data;
    std::size_t MaxLength;  // without the terminator; 0 for no limit
    IntPtr UserData;
    IntPtr Reserved[2];
};
static_assert(sizeof(FarDialogItem) == 112);
static_assert(offsetof(FarDialogItem, X1) == 8);
static_assert(offsetof(FarDialogItem, Y2) == 32);
static_assert(offsetof(FarDialogItem, Selected) == 40);
static_assert(offsetof(FarDialogItem, History) == 48);
static_assert(offsetof(FarDialogItem, Mask) == 56);
static_assert(offsetof(FarDialogItem, Flags) == 64);
static_assert(offsetof(FarDialogItem, Data) == 72);
static_assert(offsetof(FarDialogItem, MaxLength) == 80);
static_assert(offsetof(FarDialogItem, UserData) == 88);

// Settings commands, value types and locations for SettingsControl.
inline constexpr int SCTL_CREATE = 0;
inline constexpr int SCTL_FREE = 1;
inline constexpr int SCTL_SET = 2;
inline constexpr int SCTL_GET = 3;
inline constexpr int FST_QWORD = 2;
inline constexpr int FST_STRING = 3;
inline constexpr IntPtr PSL_ROAMING = 0;

struct FarSettingsCreate {
    std::size_t StructSize;
    Uuid Guid;
    void* Handle;  // the handle's name hides its type here
};
static_assert(sizeof(FarSettingsCreate) == 32);
static_assert(offsetof(FarSettingsCreate, Guid) == 8);
static_assert(offsetof(FarSettingsCreate, Handle) == 24);

struct FarSettingsData {
    std::size_t Size;
    const void* Data;
};

struct FarSettingsItem {
    std::size_t StructSize;
    std::size_t Root;
    const WChar* Name;
    int Type;
    union {
        std::uint64_t Number;
        const WChar* String;
        FarSettingsData Data;
    };
};
static_assert(sizeof(FarSettingsItem) == 48);
static_assert(offsetof(FarSettingsItem, Root) == 8);
static_assert(offsetof(FarSettingsItem, Name) == 16);
static_assert(offsetof(FarSettingsItem, Type) == 24);
static_assert(offsetof(FarSettingsItem, Number) == 32);
static_assert(offsetof(FarSettingsItem, String) == 32);

// Message boxes: FMSG_MB_OK adds the host's own OK button.
inline constexpr Flags64 FMSG_WARNING = 0x1;
inline constexpr Flags64 FMSG_MB_OK = 0x10000;

// Menus. FMENU_ flags are Far 3's own, not Far 2's or far2l's.
inline constexpr Flags64 FMENU_SHOWAMPERSAND = 0x1;
inline constexpr Flags64 FMENU_WRAPMODE = 0x2;
inline constexpr Flags64 MIF_SELECTED = 0x10000;

// A key as the console reports it: the virtual key code and the modifier state. The system's
// names for these (VK_INSERT, LEFT_CTRL_PRESSED ...) are macros of <windows.h>.
inline constexpr std::uint16_t kKeyInsert = 0x2D;
inline constexpr Dword kRightCtrlPressed = 0x0004;
inline constexpr Dword kLeftCtrlPressed = 0x0008;
inline constexpr Dword kShiftPressed = 0x0010;

struct FarKey {
    std::uint16_t VirtualKeyCode;
    Dword ControlKeyState;
    bool operator==(const FarKey&) const = default;
};
static_assert(sizeof(FarKey) == 8);
static_assert(offsetof(FarKey, ControlKeyState) == 4);

struct FarMenuItem {
    Flags64 Flags;
    const WChar* Text;
    FarKey AccelKey;
    IntPtr UserData;
    IntPtr Reserved[2];
};
static_assert(sizeof(FarMenuItem) == 48);
static_assert(offsetof(FarMenuItem, Text) == 8);
static_assert(offsetof(FarMenuItem, AccelKey) == 16);
static_assert(offsetof(FarMenuItem, UserData) == 24);
static_assert(offsetof(FarMenuItem, Reserved) == 32);

}  // namespace pickwell::far3
