#include "render/picture_load_win.h"

#include "render/dib_layout.h"

HBITMAP LoadPicture(HINSTANCE instance, int id, HDC reference) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (found == NULL)
        return NULL;
    DWORD size = SizeofResource(instance, found);
    HGLOBAL loaded = LoadResource(instance, found);
    const BYTE* data = loaded != NULL ? static_cast<const BYTE*>(LockResource(loaded)) : NULL;
    if (data == NULL || size < sizeof(BITMAPINFOHEADER))
        return NULL;
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(data);
    const BITMAPINFOHEADER& h = info->bmiHeader;
    DibHeaderFields fields = {h.biSize,     h.biWidth,       h.biHeight,
                              h.biBitCount, h.biCompression, h.biClrUsed};
    size_t offset = DibBitsOffset(fields, size);
    if (offset == 0)
        return NULL;
    return CreateDIBitmap(reference, &h, CBM_INIT, data + offset, info, DIB_RGB_COLORS);
}
