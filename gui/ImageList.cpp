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
