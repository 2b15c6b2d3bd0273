#include "framework/accessible.h"

#include <oleacc.h>

#include "framework/wnd.h"

namespace {
// The IAccessible of one window's client area. It holds only the handle and asks the window's
// object afresh on every call, so a screen reader that keeps it past the window gets a clean
// failure rather than a stale object.
class CWindowAccessible final : public IAccessible {
 public:
  CWindowAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ~CWindowAccessible() {
    if (standard_) standard_->Release();
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers use the vtable.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_ ? standard_->get_accParent(parent) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    if (description.itemRole != 0) {
      *count = static_cast<LONG>(description.items.size());
      return S_OK;
    }
    return standard_ ? standard_->get_accChildCount(count) : (*count = 0, S_OK);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    // Items are simple elements of this object.
    if (description.itemRole != 0) return ItemOf(description, child) >= 0 ? S_FALSE : E_INVALIDARG;
    return standard_ ? standard_->get_accChild(child, object) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Answer(child, name, [](const AccessibleDescription& d) { return d.name; },
                  [](const AccessibleItem& item) { return item.name; });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Answer(child, value, [](const AccessibleDescription& d) { return d.value; },
                  [](const AccessibleItem&) { return std::wstring(); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    const int item = ItemOf(description, child);
    if (item == kBadChild) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = item == kSelf ? description.role : description.itemRole;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    const int item = ItemOf(description, child);
    if (item == kBadChild) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = item == kSelf ? WindowState() | description.state : ItemState(description.items[item]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override { return Nothing(file); }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (GetFocus() == window_) {
      focus->vt = VT_I4;
      focus->lVal = CHILDID_SELF;
      return S_OK;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    for (size_t index = 0; index < description.items.size(); ++index) {
      if (!description.items[index].selected) continue;
      selection->vt = VT_I4;
      selection->lVal = static_cast<LONG>(index + 1);
      return S_OK;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    RECT rect{};
    if (!IsWindow(window_) || !GetWindowRect(window_, &rect)) return RPC_E_DISCONNECTED;
    // Items share the control's rectangle: where each one is drawn is the control's own business.
    (void)child;
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_ ? standard_->accNavigate(direction, start, end) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (!child) return E_POINTER;
    VariantInit(child);
    RECT rect{};
    if (!IsWindow(window_) || !GetWindowRect(window_, &rect)) return RPC_E_DISCONNECTED;
    if (!PtInRect(&rect, POINT{x, y})) return S_FALSE;
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static constexpr int kSelf = -1;
  static constexpr int kBadChild = -2;

  bool Read(AccessibleDescription& description) const {
    if (!IsWindow(window_)) return false;
    const CWnd* object = CWnd::FromHandle(window_);
    return object && object->Describe(description);
  }
  // kSelf for the window itself, the item's index, or kBadChild.
  static int ItemOf(const AccessibleDescription& description, const VARIANT& child) {
    if (child.vt != VT_I4) return kBadChild;
    if (child.lVal == CHILDID_SELF) return kSelf;
    if (child.lVal < 1 || static_cast<size_t>(child.lVal) > description.items.size()) return kBadChild;
    return static_cast<int>(child.lVal - 1);
  }
  template <typename OfSelf, typename OfItem>
  HRESULT Answer(const VARIANT& child, BSTR* text, OfSelf ofSelf, OfItem ofItem) const {
    if (!text) return E_POINTER;
    *text = nullptr;
    AccessibleDescription description;
    if (!Read(description)) return RPC_E_DISCONNECTED;
    const int item = ItemOf(description, child);
    if (item == kBadChild) return E_INVALIDARG;
    const std::wstring answer = item == kSelf ? ofSelf(description) : ofItem(description.items[item]);
    if (answer.empty()) return S_FALSE;
    *text = SysAllocStringLen(answer.data(), static_cast<UINT>(answer.size()));
    return *text ? S_OK : E_OUTOFMEMORY;
  }
  static HRESULT Nothing(BSTR* text) {
    if (!text) return E_POINTER;
    *text = nullptr;
    return S_FALSE;
  }
  LONG WindowState() const {
    LONG state = 0;
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if (style & WS_DISABLED) {
      state |= STATE_SYSTEM_UNAVAILABLE;
    } else if (style & WS_TABSTOP) {
      state |= STATE_SYSTEM_FOCUSABLE;
    }
    if (!IsWindowVisible(window_)) state |= STATE_SYSTEM_INVISIBLE;
    if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    return state;
  }
  static LONG ItemState(const AccessibleItem& item) {
    return STATE_SYSTEM_SELECTABLE | (item.selected ? STATE_SYSTEM_SELECTED : 0);
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_;
};
}  // namespace

LRESULT AnswerAccessibleObjectRequest(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  const CWnd* object = CWnd::FromHandle(window);
  AccessibleDescription description;
  if (!object || !object->Describe(description)) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard)))) {
    standard = nullptr;
  }
  auto* accessible = new CWindowAccessible(window, standard);
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return answer > 0 ? answer : 0;
}
