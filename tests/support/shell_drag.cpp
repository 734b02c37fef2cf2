#include "shell_drag.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "support/gui_input.h"

namespace testing_support {
namespace {

HGLOBAL FileListGlobal(const std::vector<std::wstring>& paths) {
    std::size_t chars = 1;
    for (const std::wstring& p : paths) chars += p.size() + 1;
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    if (!global) return nullptr;
    auto* files = static_cast<DROPFILES*>(GlobalLock(global));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    auto* out = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(files) + sizeof(DROPFILES));
    for (const std::wstring& p : paths) {
        std::memcpy(out, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
        out += p.size() + 1;
    }
    GlobalUnlock(global);
    return global;
}

HGLOBAL TextGlobal(const std::wstring& text) {
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!global) return nullptr;
    std::memcpy(GlobalLock(global), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(global);
    return global;
}

HGLOBAL Duplicate(HGLOBAL source) {
    const SIZE_T size = GlobalSize(source);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return nullptr;
    std::memcpy(GlobalLock(copy), GlobalLock(source), size);
    GlobalUnlock(copy);
    GlobalUnlock(source);
    return copy;
}

// One format, offered as an HGLOBAL.
class OneFormatData final : public IDataObject {
public:
    OneFormatData(CLIPFORMAT format, HGLOBAL data) : format_(format), data_(data) {}
    ~OneFormatData() {
        if (data_) GlobalFree(data_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = Duplicate(data_);
        medium->pUnkForRelease = nullptr;
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!format || format->cfFormat != format_ || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        return format->dwAspect == DVASPECT_CONTENT ? S_OK : DV_E_DVASPECT;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format{format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    CLIPFORMAT format_;
    HGLOBAL data_;
    ULONG refs_ = 1;
};


// Moves the cursor onto the target while the button is held, then lets the button go there.
class MovingSource final : public IDropSource {
public:
    explicit MovingSource(POINT target) : target_(target), deadline_(GetTickCount64() + 10000) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape || GetTickCount64() > deadline_) return DRAGDROP_S_CANCEL;
        if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
        POINT now{};
        GetCursorPos(&now);
        if (now.x != target_.x || now.y != target_.y) {
            gui::SendMouseAt(MOUSEEVENTF_MOVE, target_);
        } else if (!released_) {
            // One more report at the target first, so the target has seen the drag over it.
            if (++atTarget_ >= 2) {
                gui::SendMouseAt(MOUSEEVENTF_LEFTUP, target_);
                released_ = true;
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    POINT target_;
    ULONGLONG deadline_;
    int atTarget_ = 0;
    bool released_ = false;
};

long Drag(POINT from, POINT to, CLIPFORMAT format, HGLOBAL data) {
    if (!data) return -1;
    OneFormatData object(format, data);
    MovingSource source(to);
    gui::SendMouseAt(MOUSEEVENTF_MOVE, from);
    gui::SendMouseAt(MOUSEEVENTF_LEFTDOWN, from);
    // The drag reads this thread's button state, which changes only as the press is taken from
    // the queue.
    const ULONGLONG deadline = GetTickCount64() + 5000;
    MSG msg;
    while (GetKeyState(VK_LBUTTON) >= 0 && GetTickCount64() < deadline) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (GetKeyState(VK_LBUTTON) >= 0) Sleep(5);
    }
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT hr = DoDragDrop(&object, &source, DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE, &effect);
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) gui::SendMouseAt(MOUSEEVENTF_LEFTUP, to);
    if (hr == DRAGDROP_S_DROP) return static_cast<long>(effect);
    if (hr == DRAGDROP_S_CANCEL) return DROPEFFECT_NONE;
    return -1;
}

}  // namespace

long DragFilesTo(POINT from, POINT to, const std::vector<std::wstring>& paths) {
    return Drag(from, to, CF_HDROP, FileListGlobal(paths));
}

long DragTextTo(POINT from, POINT to, const std::wstring& text) {
    return Drag(from, to, CF_UNICODETEXT, TextGlobal(text));
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace testing_support
