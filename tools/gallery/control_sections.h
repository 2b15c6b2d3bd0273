// The gallery's sections of the lists, combo boxes, fields, gauges, bars and panels, in their
// states, with the skin's images.
#pragma once
#include "tools/gallery/gallery_dialog.h"

void AddControlSections(CGalleryDialog& gallery);
