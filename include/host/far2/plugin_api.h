// Far Manager 2's Unicode plug-in interface, as far as this module uses it, for 64-bit Windows.
// Every record matches the host byte for byte; fields the module never touches are kept as opaque
// padding of the right size. The asserts below make a wrong layout a build error rather than a
// crash inside the host.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pickwell::far2 {

static_assert(sizeof(void*) == 8, "the host interface is declared for 64-bit Windows only");

// The host's wchar_t is a 16-bit UTF-16 code unit; char16_t has the same size and alignment on
// every compiler, so the records read the same from a native build.
using WChar = char16_t;
using Handle = void*;
using IntPtr = std::int64_t;    // INT_PTR, LONG_PTR
using UIntPtr = std::uint64_t;  // DWORD_PTR
using Dword = std::uint32_t;

inline Handle const kInvalidHandle = reinterpret_cast<Handle>(static_cast<IntPtr>(-1));
inline Handle const kActivePanel = kInvalidHandle;  // PANEL_ACTIVE

inline constexpr int kTrue = 1;
inline constexpr int kFalse = 0;

struct FarDialogItem;

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
using OpaqueFn = void (*)();

struct PluginStartupInfo {
    int StructSize;
    const WChar* ModuleName;
    IntPtr ModuleNumber;
    const WChar* RootKey;
    OpaqueFn Menu;
    OpaqueFn Message;
    GetMsgFn GetMsg;
    ControlFn Control;
    OpaqueFn Unused64To144[11];  // SaveScreen ... EditorControl
    const void* FSF;
    OpaqueFn ShowHelp;
    OpaqueFn AdvControl;
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
static_assert(sizeof(PluginStartupInfo) == 264);
static_assert(offsetof(PluginStartupInfo, ModuleNumber) == 16);
static_assert(offsetof(PluginStartupInfo, RootKey) == 24);
static_assert(offsetof(PluginStartupInfo, GetMsg) == 48);
static_assert(offsetof(PluginStartupInfo, Control) == 56);
static_assert(offsetof(PluginStartupInfo, FSF) == 152);
static_assert(offsetof(PluginStartupInfo, DialogInit) == 184);
static_assert(offsetof(PluginStartupInfo, DialogRun) == 192);
static_assert(offsetof(PluginStartupInfo, DialogFree) == 200);
static_assert(offsetof(PluginStartupInfo, SendDlgMessage) == 208);
static_assert(offsetof(PluginStartupInfo, RegExpControl) == 256);

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
    Dword Reserved;
};
static_assert(sizeof(PluginInfo) == 80);
static_assert(offsetof(PluginInfo, StructSize) == 0);
static_assert(offsetof(PluginInfo, PluginMenuStrings) == 32);
static_assert(offsetof(PluginInfo, PluginMenuStringsNumber) == 40);
static_assert(offsetof(PluginInfo, PluginConfigStrings) == 48);
static_assert(offsetof(PluginInfo, PluginConfigStringsNumber) == 56);

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
    int ShortNames;
    int SortMode;
    Dword Flags;
    Dword Reserved;
};
static_assert(sizeof(PanelInfo) == 68);
static_assert(offsetof(PanelInfo, PanelType) == 0);
static_assert(offsetof(PanelInfo, Plugin) == 4);
static_assert(offsetof(PanelInfo, ItemsNumber) == 24);

struct FarFindData {
    Dword dwFileAttributes;
    Dword Times[6];  // creation, last access, last write
    std::uint64_t nFileSize;
    std::uint64_t nPackSize;
    const WChar* lpwszFileName;
    const WChar* lpwszAlternateFileName;
};

struct PluginPanelItem {
    FarFindData FindData;
    Dword Flags;
    Dword NumberOfLinks;
    const WChar* Description;
    const WChar* Owner;
    const WChar* const* CustomColumnData;
    int CustomColumnNumber;
    UIntPtr UserData;
    Dword CRC32;
    UIntPtr Reserved[2];
};
static_assert(sizeof(FarFindData) == 64);
static_assert(sizeof(PluginPanelItem) == 136);
static_assert(offsetof(PluginPanelItem, FindData.nFileSize) == 32);
static_assert(offsetof(PluginPanelItem, FindData.lpwszFileName) == 48);
static_assert(offsetof(PluginPanelItem, FindData.lpwszAlternateFileName) == 56);
static_assert(offsetof(PluginPanelItem, Flags) == 64);
static_assert(offsetof(PluginPanelItem, UserData) == 104);
static_assert(offsetof(PluginPanelItem, Reserved) == 120);

struct FarDialogItem {
    int Type;
    int X1, Y1, X2, Y2;
    int Focus;
    IntPtr Selected;  // a union in the host; check boxes use its low 32 bits
    Dword Flags;
    int DefaultButton;
    const WChar* PtrData;
    std::size_t MaxLen;
};
static_assert(sizeof(FarDialogItem) == 56);
static_assert(offsetof(FarDialogItem, Type) == 0);
static_assert(offsetof(FarDialogItem, Y2) == 16);
static_assert(offsetof(FarDialogItem, Focus) == 20);
static_assert(offsetof(FarDialogItem, Selected) == 24);
static_assert(offsetof(FarDialogItem, Flags) == 32);
static_assert(offsetof(FarDialogItem, DefaultButton) == 36);
static_assert(offsetof(FarDialogItem, PtrData) == 40);
static_assert(offsetof(FarDialogItem, MaxLen) == 48);

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

}  // namespace pickwell::far2
