#include "membitmap.h"

#include "memory.h"

MemBitmap *NewMemBitmap(const MemBitmap *model, int width, int height, gdi::Format format, const char *name,
                        const char *routine)
{
    auto *record = static_cast<MemBitmap *>(MyGAlloc(sizeof(MemBitmap), name, routine));
    if (!record)
        return nullptr;
    if (model)
        record->header = model->header;
    record->header.biWidth = width;
    record->header.biHeight = height;
    record->bitmap = gdi::CreateBitmap(width, height, format);
    record->dc = gdi::CreateCompatibleDC();
    if (!record->bitmap || !record->dc) {
        FreeMemBitmap(record);
        return nullptr;
    }
    record->previousObject = record->dc->SelectBitmap(record->bitmap);
    return record;
}

void FreeMemBitmap(MemBitmap *&record)
{
    if (!record)
        return;
    if (record->dc) {
        record->dc->SelectBitmap(record->previousObject);
        gdi::DeleteDC(record->dc);
    }
    gdi::DeleteBitmap(record->bitmap);
    MyGFree(record);
    record = nullptr;
}
