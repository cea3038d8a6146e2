// Image lists: owned or shared, filled with icons, drawn on a canvas.
#include "gui/ImageList.h"

TImageList::~TImageList() { Release(); }

void TImageList::Release()
{
    if (handle_ && !ShareImages) ImageList_Destroy(handle_);
    handle_ = nullptr;
}

void TImageList::SetHandle(HIMAGELIST h)
{
    if (h == handle_) return;
    Release();
    handle_ = h;
}

void TImageList::CreateSize(int width, int height)
{
    HIMAGELIST h = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 1);
    Release();
    ShareImages = false;
    handle_ = h;
}

int TImageList::AddIcon(HICON icon) { return handle_ && icon ? ImageList_AddIcon(handle_, icon) : -1; }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const
{
    if (!handle_ || !canvas.Handle) return;
    ImageList_Draw(handle_, index, canvas.Handle, x, y, DrawingStyle == dsTransparent ? ILD_TRANSPARENT : ILD_NORMAL);
}
