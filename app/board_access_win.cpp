// The board as an accessible object for screen readers: a graphic named
// "weighminder" whose value is what the board shows (render/board_speech.h).
// Everything else (place, state, focus, parent) comes from the system's
// standard object for the window, which this one wraps.
#include "app/shell_win.h"

#include <oleacc.h>
#include <string.h>

#include "render/board_speech.h"
#include "win/entry_win.h"
#include "win/system_library_win.h"
#include "win/utf8_win.h"

namespace {

typedef HRESULT(WINAPI* CoInitializeExFn)(void*, DWORD);
typedef void(WINAPI* CoUninitializeFn)();
typedef HRESULT(WINAPI* CoDisconnectObjectFn)(IUnknown*, DWORD);
typedef HRESULT(WINAPI* CreateStdAccessibleObjectFn)(HWND, LONG, REFIID, void**);
typedef LRESULT(WINAPI* LresultFromObjectFn)(REFIID, WPARAM, IUnknown*);
typedef BSTR(WINAPI* SysAllocStringFn)(const OLECHAR*);

// The COM and accessibility entries, looked up from the system folder the
// first time a screen reader asks: without one the board never loads them.
struct AccessEntries {
    bool looked;
    CoInitializeExFn coInitializeEx;
    CoUninitializeFn coUninitialize;
    CoDisconnectObjectFn coDisconnectObject;
    CreateStdAccessibleObjectFn createStdAccessibleObject;
    LresultFromObjectFn lresultFromObject;
    SysAllocStringFn sysAllocString;
};
AccessEntries Access;

bool FindAccessEntries() {
    if (!Access.looked) {
        Access.looked = true;
        HMODULE com = LoadSystemLibrary(L"ole32.dll");
        HMODULE acc = LoadSystemLibrary(L"oleacc.dll");
        HMODULE aut = LoadSystemLibrary(L"oleaut32.dll");
        Access.coInitializeEx = FindEntry<CoInitializeExFn>(com, "CoInitializeEx");
        Access.coUninitialize = FindEntry<CoUninitializeFn>(com, "CoUninitialize");
        Access.coDisconnectObject = FindEntry<CoDisconnectObjectFn>(com, "CoDisconnectObject");
        Access.createStdAccessibleObject =
            FindEntry<CreateStdAccessibleObjectFn>(acc, "CreateStdAccessibleObject");
        Access.lresultFromObject = FindEntry<LresultFromObjectFn>(acc, "LresultFromObject");
        Access.sysAllocString = FindEntry<SysAllocStringFn>(aut, "SysAllocString");
    }
    return Access.coInitializeEx && Access.coUninitialize && Access.coDisconnectObject &&
           Access.createStdAccessibleObject && Access.lresultFromObject && Access.sysAllocString;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Text(const wchar_t* text, BSTR* out) {
    if (out == NULL)
        return E_INVALIDARG;
    *out = Access.sysAllocString(text);
    return *out != NULL ? S_OK : E_OUTOFMEMORY;
}

// One object for the program's life; the standard object answers all but
// the name, the role and the value.
struct BoardAccessible final : IAccessible {
    IAccessible* standard = nullptr;
    ULONG references = 1; // the program's own, dropped at shutdown only

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == NULL)
            return E_POINTER;
        *out = NULL;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
            !IsEqualIID(iid, IID_IAccessible))
            return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    // No type information: clients call the IAccessible methods themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Text(L"weighminder", name) : standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child))
            return standard->get_accValue(child, value);
        wchar_t text[kBoardSpeechSize];
        WidenUtf8(BoardSpeech, text, kBoardSpeechSize);
        return Text(text, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || role == NULL)
            return standard->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_GRAPHIC;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return standard->get_accDescription(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return standard->get_accState(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return standard->get_accHelp(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return standard->get_accKeyboardShortcut(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return standard->get_accFocus(out);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return standard->get_accSelection(out);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return standard->get_accDefaultAction(child, out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h,
                                          VARIANT child) override {
        return standard->accLocation(x, y, w, h, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        return standard->accNavigate(direction, start, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return standard->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

BoardAccessible Accessible;
bool ComStarted;                  // CoUninitialize is owed at shutdown
bool AccessClosed;                // shut down: no object is handed out any more
char Announced[kBoardSpeechSize]; // the value screen readers were last told of

// Made the first time it is asked for: COM on this thread, the standard
// object of the window's client area.
bool PrepareAccessible(HWND window) {
    if (Accessible.standard != nullptr)
        return true;
    if (AccessClosed || !FindAccessEntries())
        return false;
    if (!ComStarted) {
        HRESULT started = Access.coInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        if (FAILED(started))
            return false;
        ComStarted = true;
    }
    void* standard = NULL;
    if (FAILED(Access.createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, &standard)))
        return false;
    Accessible.standard = static_cast<IAccessible*>(standard);
    return true;
}

} // namespace

char BoardSpeech[kBoardSpeechSize];

LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId) {
    // The id is a 32-bit value whatever the width of lParam.
    if (static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT) &&
        PrepareAccessible(window))
        return Access.lresultFromObject(IID_IAccessible, flags, &Accessible);
    return DefWindowProcW(window, WM_GETOBJECT, flags, objectId);
}

void AnnounceBoardValue(HWND window) {
    if (strcmp(Announced, BoardSpeech) == 0)
        return;
    memcpy(Announced, BoardSpeech, sizeof Announced);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void CloseBoardAccessible() {
    AccessClosed = true;
    if (Accessible.standard != nullptr) {
        // Screen readers still holding the object get an error from now on.
        Access.coDisconnectObject(&Accessible, 0);
        Accessible.standard->Release();
        Accessible.standard = nullptr;
    }
    if (ComStarted)
        Access.coUninitialize();
    ComStarted = false;
}
