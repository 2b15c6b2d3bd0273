// The window classes of the skin's own controls, registered during static initialisation, before
// any dialog whose template names them is created. They live together with the functions through
// which owners reach the controls, so that every program that uses one of them links (and so
// registers) all three.
#include "skin/controls/folder_list_ctrl.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "skin/controls/volume_info_ctrl.h"

namespace {
HBRUSH WindowColourBrush() { return reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1); }

[[maybe_unused]] const bool kAddressClass = RegisterClassOwnedWindow<CGdipIpAddrCtl>(
    CGdipIpAddrCtl::kClassName, CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS, IDC_IBEAM, WindowColourBrush());
[[maybe_unused]] const bool kFolderListClass = RegisterClassOwnedWindow<CFolderListCtrl>(
    CFolderListCtrl::kClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS, IDC_ARROW,
    WindowColourBrush());
[[maybe_unused]] const bool kVolumeInfoClass = RegisterClassOwnedWindow<CVolumeInfoCtrl>(
    CVolumeInfoCtrl::kClassName, CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS, IDC_ARROW, WindowColourBrush());
}  // namespace

CGdipIpAddrCtl* CGdipIpAddrCtl::FromWindow(HWND window) { return ClassOwnedObject<CGdipIpAddrCtl>(window); }

CFolderListCtrl* CFolderListCtrl::FromWindow(HWND window) { return ClassOwnedObject<CFolderListCtrl>(window); }

CVolumeInfoCtrl* CVolumeInfoCtrl::FromWindow(HWND window) { return ClassOwnedObject<CVolumeInfoCtrl>(window); }
