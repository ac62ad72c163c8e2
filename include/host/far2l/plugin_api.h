// far2l's Unicode plug-in interface, as far as this module uses it, for 64-bit Linux and macOS.
// The host packs every record to 2-byte alignment, so pointers after an int sit at offsets a
// natural layout would never give them; its wchar_t is a 32-bit UTF-32 code unit. Fields the
// module never touches are opaque padding of the right size, and the asserts below make a wrong
// layout a build error rather than a crash inside the host.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pickwell::far2l {

static_assert(sizeof(void*) == 8, "the host interface is declared for 64-bit hosts only");

using WChar = char32_t;  // the host's wchar_t: 4 bytes on every platform it runs on
using Handle = void*;
using IntPtr = std::int64_t;    // INT_PTR, LONG_PTR
using UIntPtr = std::uint64_t;  // DWORD_PTR
using Dword = std::uint32_t;

inline Handle const kInvalidHandle = reinterpret_cast<Handle>(static_cast<IntPtr>(-1));
inline Handle const kActivePanel = kInvalidHandle;  // PANEL_ACTIVE

inline constexpr int kTrue = 1;
inline constexpr int kFalse = 0;

#pragma pack(push, 2)

struct FarDialogItem;
struct FarMenuItem;

using MenuFn = int (*)(IntPtr plugin_number, int x, int y, int max_height, Dword flags,
                       const WChar* title, const WChar* bottom, const WChar* help_topic,
                       const int* break_keys, int* break_code, const FarMenuItem* items,
                       int items_number);
// Returns an int up to far2l 2.6.5 and an intptr_t from 2.7.0: read as an int, a call takes
// only the low 32 bits that both set.
using MessageFn = int (*)(IntPtr plugin_number, Dword flags, const WChar* help_topic,
                          const WChar* const* items, int items_number, int buttons_number);
using GetMsgFn = const WChar* (*)(IntPtr plugin_number, int msg_id);
using ControlFn = int (*)(Handle panel, int command, int param1, IntPtr param2);
using DlgProcFn = IntPtr (*)(Handle dialog, int msg, int param1, IntPtr param2);
using DialogInitFn = Handle (*)(IntPtr plugin_number, int x1, int y1, int x2, int y2,
                                const WChar* help_topic, FarDialogItem* items,
                                unsigned int items_number, Dword reserved, Dword flags,
                                DlgProcFn dlg_proc, IntPtr param);
using DialogRunFn = int (*)(Handle dialog);
using DialogFreeFn = void (*)(Handle dialog);
using SendDlgMessageFn = IntPtr (*)(Handle dialog, int msg, int param1, IntPtr param2);
using CopyToClipboardFn = int (*)(const WChar* data);
using OpaqueFn = void (*)();

// The host's table of helper functions, of which the module calls one. It grows only at its end
// from version to version (532 bytes in far2l 2.6.5, 628 in 2.8), so its StructSize says how much
// of it there is.
struct FarStandardFunctions {
    int StructSize;
    OpaqueFn Unused4To316[39];  // atoi ... AddEndSlash
    CopyToClipboardFn CopyToClipboard;
    OpaqueFn Unused324To628[38];  // PasteFromClipboard ... GetDecimalSeparator
};
static_assert(sizeof(FarStandardFunctions) == 628);
static_assert(alignof(FarStandardFunctions) == 2);
static_assert(offsetof(FarStandardFunctions, CopyToClipboard) == 316);

// far2l's startup record comes in two layouts, and nothing but its StructSize tells which (its
// version number is 2.6 from far2l 2.6.0 to 2.9). Both begin with the same head; 2.7.0 inserted
// AdvControlAsync after it, so everything from InputBox on sits 8 bytes further, and appended
// ColorDialog.

// The fields every far2l has in the same place: its size, the module's identity, and the
// services up to AdvControl.
struct PluginStartupInfoHead {
    int StructSize;
    const WChar* ModuleName;
    IntPtr ModuleNumber;
    const WChar* RootKey;
    MenuFn Menu;
    MessageFn Message;
    GetMsgFn GetMsg;
    ControlFn Control;
    OpaqueFn SaveScreen;
    OpaqueFn RestoreScreen;
    OpaqueFn GetDirList;
    OpaqueFn GetPluginDirList;
    OpaqueFn FreeDirList;
    OpaqueFn FreePluginDirList;
    OpaqueFn Viewer;
    OpaqueFn Editor;
    OpaqueFn CmpName;
    OpaqueFn Text;
    OpaqueFn EditorControl;
    FarStandardFunctions* FSF;
    OpaqueFn ShowHelp;
    OpaqueFn AdvControl;
};
static_assert(sizeof(PluginStartupInfoHead) == 172);
static_assert(alignof(PluginStartupInfoHead) == 2);
static_assert(offsetof(PluginStartupInfoHead, ModuleName) == 4);
static_assert(offsetof(PluginStartupInfoHead, ModuleNumber) == 12);
static_assert(offsetof(PluginStartupInfoHead, RootKey) == 20);
static_assert(offsetof(PluginStartupInfoHead, Menu) == 28);
static_assert(offsetof(PluginStartupInfoHead, Message) == 36);
static_assert(offsetof(PluginStartupInfoHead, GetMsg) == 44);
static_assert(offsetof(PluginStartupInfoHead, Control) == 52);
static_assert(offsetof(PluginStartupInfoHead, SaveScreen) == 60);
static_assert(offsetof(PluginStartupInfoHead, RestoreScreen) == 68);
static_assert(offsetof(PluginStartupInfoHead, GetDirList) == 76);
static_assert(offsetof(PluginStartupInfoHead, GetPluginDirList) == 84);
static_assert(offsetof(PluginStartupInfoHead, FreeDirList) == 92);
static_assert(offsetof(PluginStartupInfoHead, FreePluginDirList) == 100);
static_assert(offsetof(PluginStartupInfoHead, Viewer) == 108);
static_assert(offsetof(PluginStartupInfoHead, Editor) == 116);
static_assert(offsetof(PluginStartupInfoHead, CmpName) == 124);
static_assert(offsetof(PluginStartupInfoHead, Text) == 132);
static_assert(offsetof(PluginStartupInfoHead, EditorControl) == 140);
static_assert(offsetof(PluginStartupInfoHead, FSF) == 148);
static_assert(offsetof(PluginStartupInfoHead, ShowHelp) == 156);
static_assert(offsetof(PluginStartupInfoHead, AdvControl) == 164);

// The services from InputBox to RegExpControl, in the same order in both layouts.
struct PluginStartupInfoTail {
    OpaqueFn InputBox;
    DialogInitFn DialogInit;
    DialogRunFn DialogRun;
    DialogFreeFn DialogFree;
    SendDlgMessageFn SendDlgMessage;
    OpaqueFn DefDlgProc;
    UIntPtr Reserved;
    OpaqueFn ViewerControl;
    OpaqueFn PluginsControl;
    OpaqueFn FileFilterControl;
    OpaqueFn RegExpControl;
};
static_assert(sizeof(PluginStartupInfoTail) == 88);
static_assert(alignof(PluginStartupInfoTail) == 2);

// far2l 2.4.0 to 2.6.5.
struct PluginStartupInfo26 {
    PluginStartupInfoHead head;
    PluginStartupInfoTail tail;
};
static_assert(sizeof(PluginStartupInfo26) == 260);
static_assert(alignof(PluginStartupInfo26) == 2);
static_assert(offsetof(PluginStartupInfo26, head) == 0);
static_assert(offsetof(PluginStartupInfo26, tail.InputBox) == 172);
static_assert(offsetof(PluginStartupInfo26, tail.DialogInit) == 180);
static_assert(offsetof(PluginStartupInfo26, tail.DialogRun) == 188);
static_assert(offsetof(PluginStartupInfo26, tail.DialogFree) == 196);
static_assert(offsetof(PluginStartupInfo26, tail.SendDlgMessage) == 204);
static_assert(offsetof(PluginStartupInfo26, tail.DefDlgProc) == 212);
static_assert(offsetof(PluginStartupInfo26, tail.Reserved) == 220);
static_assert(offsetof(PluginStartupInfo26, tail.ViewerControl) == 228);
static_assert(offsetof(PluginStartupInfo26, tail.PluginsControl) == 236);
static_assert(offsetof(PluginStartupInfo26, tail.FileFilterControl) == 244);
static_assert(offsetof(PluginStartupInfo26, tail.RegExpControl) == 252);

// far2l 2.7.0 and later (a later far2l may hand a larger record, with more at its end).
struct PluginStartupInfo27 {
    PluginStartupInfoHead head;
    OpaqueFn AdvControlAsync;
    PluginStartupInfoTail tail;
    OpaqueFn ColorDialog;
};
static_assert(sizeof(PluginStartupInfo27) == 276);
static_assert(alignof(PluginStartupInfo27) == 2);
static_assert(offsetof(PluginStartupInfo27, head) == 0);
static_assert(offsetof(PluginStartupInfo27, AdvControlAsync) == 172);
static_assert(offsetof(PluginStartupInfo27, tail.InputBox) == 180);
static_assert(offsetof(PluginStartupInfo27, tail.DialogInit) == 188);
static_assert(offsetof(PluginStartupInfo27, tail.DialogRun) == 196);
static_assert(offsetof(PluginStartupInfo27, tail.DialogFree) == 204);
static_assert(offsetof(PluginStartupInfo27, tail.SendDlgMessage) == 212);
static_assert(offsetof(PluginStartupInfo27, tail.DefDlgProc) == 220);
static_assert(offsetof(PluginStartupInfo27, tail.Reserved) == 228);
static_assert(offsetof(PluginStartupInfo27, tail.ViewerControl) == 236);
static_assert(offsetof(PluginStartupInfo27, tail.PluginsControl) == 244);
static_assert(offsetof(PluginStartupInfo27, tail.FileFilterControl) == 252);
static_assert(offsetof(PluginStartupInfo27, tail.RegExpControl) == 260);
static_assert(offsetof(PluginStartupInfo27, ColorDialog) == 268);

struct PluginInfo {
    int StructSize;
    Dword Flags;
    const WChar* const* DiskMenuStrings;
    int* Reserved0;
    int DiskMenuStringsNumber;
    const WChar* const* PluginMenuStrings;
    int PluginMenuStringsNumber;
    const WChar* const* PluginConfigStrings;
    int PluginConfigStringsNumber;
    const WChar* CommandPrefix;
    Dword SysID;
};
static_assert(sizeof(PluginInfo) == 64);
static_assert(offsetof(PluginInfo, Flags) == 4);
static_assert(offsetof(PluginInfo, PluginMenuStrings) == 28);
static_assert(offsetof(PluginInfo, PluginMenuStringsNumber) == 36);
static_assert(offsetof(PluginInfo, PluginConfigStrings) == 40);
static_assert(offsetof(PluginInfo, PluginConfigStringsNumber) == 48);
static_assert(offsetof(PluginInfo, SysID) == 60);

struct Rect {
    int Left, Top, Right, Bottom;
};

inline constexpr int PTYPE_FILEPANEL = 0;

struct PanelInfo {
    int PanelType;
    int Plugin;
    Rect PanelRect;
    int ItemsNumber;
    int SelectedItemsNumber;
    int CurrentItem;
    int TopPanelItem;
    int Visible;
    int Focus;
    int ViewMode;
    int SortMode;
    Dword Flags;
    Dword Reserved;
};
static_assert(sizeof(PanelInfo) == 64);
static_assert(offsetof(PanelInfo, Plugin) == 4);
static_assert(offsetof(PanelInfo, ItemsNumber) == 24);

// The host has no 8.3 names: a file has only its one name.
struct FarFindData {
    std::uint64_t Times[3];  // creation, last access, last write
    std::uint64_t nPhysicalSize;
    std::uint64_t nFileSize;
    Dword dwFileAttributes;
    Dword dwUnixMode;
    const WChar* lpwszFileName;
};
static_assert(sizeof(FarFindData) == 56);
static_assert(offsetof(FarFindData, dwFileAttributes) == 40);
static_assert(offsetof(FarFindData, lpwszFileName) == 48);

struct PluginPanelItem {
    FarFindData FindData;
    UIntPtr UserData;
    Dword Flags;
    Dword NumberOfLinks;
    const WChar* Description;
    const WChar* Owner;
    const WChar* Group;
    const WChar* const* CustomColumnData;
    int CustomColumnNumber;
    Dword CRC32;
    UIntPtr Reserved[2];
};
static_assert(sizeof(PluginPanelItem) == 128);
static_assert(offsetof(PluginPanelItem, FindData.lpwszFileName) == 48);
static_assert(offsetof(PluginPanelItem, UserData) == 56);
static_assert(offsetof(PluginPanelItem, Flags) == 64);
static_assert(offsetof(PluginPanelItem, CustomColumnNumber) == 104);
static_assert(offsetof(PluginPanelItem, Reserved) == 112);

struct FarDialogItem {
    int Type;
    int X1, Y1, X2, Y2;
    int Focus;
    IntPtr Selected;  // a union in the host; check boxes use its low 32 bits
    Dword Flags;
    int DefaultButton;
    const WChar* PtrData;
    std::size_t MaxLen;  // characters an edit field takes, its terminator not counted
};
static_assert(sizeof(FarDialogItem) == 56);
static_assert(offsetof(FarDialogItem, Focus) == 20);
static_assert(offsetof(FarDialogItem, Selected) == 24);
static_assert(offsetof(FarDialogItem, Flags) == 32);
static_assert(offsetof(FarDialogItem, DefaultButton) == 36);
static_assert(offsetof(FarDialogItem, PtrData) == 40);
static_assert(offsetof(FarDialogItem, MaxLen) == 48);

// A line of a menu. The host reads the larger FarMenuItemEx only when asked to with a flag this
// module never passes.
struct FarMenuItem {
    const WChar* Text;
    int Selected;
    int Checked;
    int Separator;
};
static_assert(sizeof(FarMenuItem) == 20);
static_assert(offsetof(FarMenuItem, Selected) == 8);
static_assert(offsetof(FarMenuItem, Checked) == 12);
static_assert(offsetof(FarMenuItem, Separator) == 16);

#pragma pack(pop)

// Panel commands for Control.
inline constexpr int FCTL_GETPANELINFO = 1;
inline constexpr int FCTL_REDRAWPANEL = 3;
inline constexpr int FCTL_SETSELECTION = 6;
inline constexpr int FCTL_GETPANELITEM = 22;
inline constexpr int FCTL_BEGINSELECTION = 28;
inline constexpr int FCTL_ENDSELECTION = 29;

// Dialog item types, flags and messages.
inline constexpr int DI_TEXT = 0;
inline constexpr int DI_DOUBLEBOX = 3;
inline constexpr int DI_EDIT = 4;
inline constexpr int DI_BUTTON = 7;
inline constexpr int DI_CHECKBOX = 8;
inline constexpr Dword DIF_CENTERGROUP = 0x4000;
inline constexpr Dword DIF_SEPARATOR = 0x10000;
inline constexpr int DM_GETCHECK = 25;
inline constexpr int DM_GETCONSTTEXTPTR = 64;

// Menu flags.
inline constexpr Dword FMENU_SHOWAMPERSAND = 0x1;
inline constexpr Dword FMENU_WRAPMODE = 0x2;
inline constexpr Dword FMENU_USEEXT = 0x20;

// Message flags.
inline constexpr Dword FMSG_WARNING = 0x1;
inline constexpr Dword FMSG_MB_OK = 0x10000;

// A menu's break key: a Windows virtual-key code in the low word, the exact set of modifiers
// held with it in the high word. Letters are their upper-case code.
inline constexpr int PKF_CONTROL = 1;
inline constexpr int VK_INSERT = 0x2D;
constexpr int break_key(int virtual_key, int modifiers) {
    return virtual_key | (modifiers << 16);
}

}  // namespace pickwell::far2l
