// Model.h: the Seventh Avenue model in screen coordinates (standing at x 207 on the
// backdrop) and the items of the seven rows she is dressed from: hair and hats, face looks,
// tops, dresses, bottoms, accessories and shoes.
#pragma once

#include <cairo.h>

namespace Model
{
enum Row
{
    ITEMS_HH,
    ITEMS_FAC,
    ITEMS_TOP,
    ITEMS_DRE,
    ITEMS_BOT,
    ITEMS_ACC,
    ITEMS_SHOE,
    ITEM_ROWS
};

// Items drawn for each row.
int ItemCount(Row row);

// The backdrop panel with the model in a plain white leotard on a plinth; drawn in screen
// coordinates over the area of the backdrop picture.
void DrawBackdrop(cairo_t* cr, double x, double y, double w, double h);

void DrawItem(cairo_t* cr, Row row, int nItem);
} // namespace Model
