#include "detail/browser_drop.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <atomic>
#include <utility>

#include "win/gbk.h"

namespace {

constexpr UINT_PTR RevokeSubclassId = 0x44524F50;  // "DROP"

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool HoldsFiles(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

// A copy or a link, never a move: the source must not delete the user's browser after the drop.
DWORD EffectFor(bool files, DWORD allowed) {
    if (!files) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

std::vector<std::wstring> DroppedPaths(IDataObject* data) {
    std::vector<std::wstring> paths;
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (!data || data->GetData(&format, &medium) != S_OK) return paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        {
            // An HDROP is the global handle itself; DragQueryFileW locks it.
            const auto drop = static_cast<HDROP>(medium.hGlobal);
            const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                const UINT length = DragQueryFileW(drop, i, nullptr, 0);
                std::wstring path(length + 1, L'\0');
                const UINT got = DragQueryFileW(drop, i, path.data(), length + 1);
                path.resize(got);
                if (!path.empty()) paths.push_back(std::move(path));
            }
        }
    }
    ReleaseStgMedium(&medium);
    return paths;
}

class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(FileDropHandler onDrop) : onDrop_(std::move(onDrop)) {}
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        files_ = HoldsFiles(data);
        if (effect) *effect = EffectFor(files_, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        if (effect) *effect = EffectFor(files_, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        files_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        files_ = false;
        const DWORD allowed = effect ? *effect : DROPEFFECT_COPY;
        std::vector<std::wstring> paths = HoldsFiles(data) ? DroppedPaths(data) : std::vector<std::wstring>{};
        const DWORD chosen = EffectFor(!paths.empty(), allowed);
        if (effect) *effect = chosen;
        if (chosen != DROPEFFECT_NONE && onDrop_) onDrop_(paths);
        return S_OK;
    }

private:
    ~FileDropTarget() = default;

    std::atomic<ULONG> refs_{1};
    FileDropHandler onDrop_;
    bool files_ = false;
};

// OLE keeps a reference to the target until it is revoked, and that must happen while the
// window still exists.
LRESULT CALLBACK RevokeOnDestroy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    if (message == WM_DESTROY) {
        RevokeDragDrop(hwnd);
        RemoveWindowSubclass(hwnd, &RevokeOnDestroy, RevokeSubclassId);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool AcceptFileDrops(HWND window, FileDropHandler onDrop) {
    if (!window) return false;
    auto* target = new FileDropTarget(std::move(onDrop));
    const HRESULT registered = RegisterDragDrop(window, target);
    target->Release();  // OLE holds its own reference while registered
    if (FAILED(registered)) return false;
    if (!SetWindowSubclass(window, &RevokeOnDestroy, RevokeSubclassId, 0)) {
        RevokeDragDrop(window);
        return false;
    }
    return true;
}

Text DroppedFilesText(const std::vector<std::wstring>& paths) {
    if (paths.size() == 1) return GbkFromWide(paths.front());
    Text text;
    for (const std::wstring& path : paths) {
        text += GbkFromWide(path);
        text += "\r\n";
    }
    return text;
}
