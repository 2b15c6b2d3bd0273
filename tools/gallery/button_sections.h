// The gallery's sections of skinned buttons: every class in every state, with the skin's images.
#pragma once
#include "tools/gallery/gallery_dialog.h"

void AddButtonSections(CGalleryDialog& gallery);
