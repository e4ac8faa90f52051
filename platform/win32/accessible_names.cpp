#include "platform/win32/accessible_names.h"

#include <algorithm>
#include <atomic>
#include <utility>

// oleacc.h needs windows.h first, which windows_api.h gives.
#include "platform/win32/windows_api.h"
#include <initguid.h>  // the accessibility GUIDs are defined in this file only
#include <oleacc.h>

#include "platform/win32/code_page.h"

namespace tellux::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A window's standard accessible object with another name: everything but
// the name is the standard object's answer.
class NamedAccessible final : public IAccessible, public IOleWindow {
 public:
  NamedAccessible(HWND hwnd, ComPtr<IAccessible> standard, std::shared_ptr<const std::wstring> name)
      : hwnd_(hwnd), standard_(std::move(standard)), name_(std::move(name)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == IID_IOleWindow) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleWindow: which window this stands for.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
    if (hwnd == nullptr) return E_POINTER;
    *hwnd = hwnd_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IAccessible: the name is ours.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    *name = ::SysAllocStringLen(name_->data(), static_cast<UINT>(name_->size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  // IDispatch and the rest of IAccessible: the standard object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, badArgument);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() = default;  // through Release only

  std::atomic<ULONG> references_{1};
  HWND hwnd_;
  ComPtr<IAccessible> standard_;
  std::shared_ptr<const std::wstring> name_;
};

// The answer to WM_GETOBJECT for the window's client object under name, or
// 0 to leave the question to the window.
LRESULT AnswerNamed(HWND hwnd, WPARAM wParam, const std::shared_ptr<std::wstring>& name) {
  IAccessible* standard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(hwnd, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* named = new NamedAccessible(hwnd, ComPtr<IAccessible>(standard), name);
  const LRESULT answer =
      ::LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(named));
  named->Release();  // the answer holds its own reference
  return answer > 0 ? answer : 0;
}

LRESULT CALLBACK AnswerForName(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR data) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    if (const LRESULT answer = AnswerNamed(
            hwnd, wParam, *reinterpret_cast<const std::shared_ptr<std::wstring>*>(data))) {
      return answer;
    }
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

AccessibleNames::AccessibleNames() {
  IAccPropServices* services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    services_.reset(services);
  }
}

AccessibleNames::~AccessibleNames() {
  if (!services_) return;
  MSAAPROPID name = PROPID_ACC_NAME;
  for (HWND hwnd : named_) services_->ClearHwndProps(hwnd, OBJID_CLIENT, CHILDID_SELF, &name, 1);
}

bool AccessibleNames::Name(HWND hwnd, const std::string& text) {
  std::wstring wide = Utf8ToWide(text);
  if (const auto answering = answering_.find(hwnd); answering != answering_.end()) {
    *answering->second.name = std::move(wide);
    return true;
  }
  if (services_ && SUCCEEDED(services_->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF,
                                                       PROPID_ACC_NAME, wide.c_str()))) {
    if (std::find(named_.begin(), named_.end(), hwnd) == named_.end()) named_.push_back(hwnd);
    return true;
  }
  Answering& answering = answering_[hwnd];
  answering.name = std::make_shared<std::wstring>(std::move(wide));
  // The map's node does not move, so the procedure may keep its address.
  answering.subclass = WindowSubclass(hwnd, &AnswerForName, kSubclassId,
                                      reinterpret_cast<DWORD_PTR>(&answering.name));
  if (answering.subclass) return true;
  answering_.erase(hwnd);
  return false;
}

void AccessibleNames::Rename(HWND hwnd, const std::string& text) {
  if (Name(hwnd, text)) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace tellux::win32
