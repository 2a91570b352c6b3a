// A minimal OLE container for the WebBrowser control: client site, in-place
// site and frame (the parent window is both), and a DWebBrowserEvents2 sink.
#include "client/browser/AddressScheme.h"
#include "client/browser/Browser.h"

#include "common/win32/ComPtr.h"
#include "common/win32/WideText.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <oleidl.h>

namespace browser {

namespace {

using win32::ComPtr;

// One COM object holding every interface the control asks its container for.
class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    Site(HWND parent, const RECT& bounds, BrowserEvents& events) : parent_(parent), bounds_(bounds), events_(events) {}

    void setBounds(const RECT& bounds) { bounds_ = bounds; }
    const RECT& bounds() const { return bounds_; }
    void detach() { detached_ = true; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
            *out = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG n = ::InterlockedDecrement(&refs_);
        if (n == 0) delete this;
        return static_cast<ULONG>(n);
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = parent_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        *position = bounds_;
        *clip = bounds_;
        info->fMDIApp = FALSE;
        info->hwndFrame = parent_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame: no tool space, no menus merged.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the DWebBrowserEvents2 sink.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        // WindowClosing(IsChildWindow, Cancel): the warning only; Cancel stays
        // as the control set it.
        if (id == DISPID_WINDOWCLOSING && !detached_) {
            try {
                events_.onWindowClosing();
            } catch (...) {
            }
        }
        return S_OK;
    }

private:
    ~Site() = default;

    LONG refs_ = 1;
    HWND parent_;
    RECT bounds_;
    BrowserEvents& events_;
    bool detached_ = false;
};

class WebBrowserControl final : public Browser {
public:
    WebBrowserControl(HWND parent, const RECT& bounds, BrowserEvents& events)
        : site_(ComPtr<Site>::attach(new Site(parent, bounds, events))) {}

    bool start(HWND parent) {
        if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                      object_.putVoid())))
            return false;
        if (FAILED(object_->SetClientSite(site_.get()))) return false;
        RECT r = site_->bounds();
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, parent, &r))) return false;
        web_ = object_.query<IWebBrowser2>(IID_IWebBrowser2);
        if (!web_) return false;
        auto container = object_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
        if (container && SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point_.put())))
            if (FAILED(point_->Advise(static_cast<IDispatch*>(site_.get()), &cookie_))) point_.reset();
        return true;
    }

    ~WebBrowserControl() override {
        site_->detach();
        if (point_) point_->Unadvise(cookie_);
        point_.reset();
        web_.reset();
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }

    void navigate(std::string_view address) override {
        if (!web_) return;
        std::wstring url = win32::toWide(withDefaultScheme(address));
        BSTR text = ::SysAllocStringLen(url.data(), static_cast<UINT>(url.size()));
        if (!text) return;
        // No flags, no target frame, no post data, no extra headers.
        VARIANT flags, frame, postData, headers;
        ::VariantInit(&flags);
        ::VariantInit(&frame);
        ::VariantInit(&postData);
        ::VariantInit(&headers);
        web_->Navigate(text, &flags, &frame, &postData, &headers);  // failures are ignored
        ::SysFreeString(text);
    }

    void setBounds(const RECT& bounds) override {
        site_->setBounds(bounds);
        if (auto inPlace = object_.query<IOleInPlaceObject>(IID_IOleInPlaceObject))
            inPlace->SetObjectRects(&bounds, &bounds);
    }

    void deliverWindowClosing() override {
        // Arguments in reverse order, as the control passes them: Cancel by
        // reference, then IsChildWindow.
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANTARG args[2];
        ::VariantInit(&args[0]);
        ::VariantInit(&args[1]);
        args[0].vt = VT_BYREF | VT_BOOL;
        args[0].pboolVal = &cancel;
        args[1].vt = VT_BOOL;
        args[1].boolVal = VARIANT_FALSE;
        DISPPARAMS params{args, nullptr, 2, 0};
        static_cast<IDispatch*>(site_.get())
            ->Invoke(DISPID_WINDOWCLOSING, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                     nullptr, nullptr);
    }

private:
    ComPtr<Site> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> web_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace

std::unique_ptr<Browser> createWebBrowser(HWND parent, const RECT& bounds, BrowserEvents& events) {
    auto control = std::make_unique<WebBrowserControl>(parent, bounds, events);
    if (!control->start(parent)) return nullptr;
    return control;
}

}  // namespace browser
