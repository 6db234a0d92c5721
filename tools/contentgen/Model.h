// Model.h: the Seventh Avenue model in screen coordinates (standing at x 207 on the
// backdrop) and the items of the seven rows she is dressed from: hair and hats, face looks,
// tops, dresses, bottoms, accessories and shoes.
//
// The figure is an eight-heads-tall fashion figure in plain underwear. Every item is drawn to
// her measurements so that any combination of the rows looks intended: tops cover the bandeau,
// bottoms and dresses the briefs, every hairstyle the scalp; garments pass behind the arms,
// which hang in front of them; and every dress ends above SHOE_TOP_Y, the highest row a shoe
// reaches, so no shoe is ever drawn over a gown.
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

// The highest row a shoe is drawn in; every other item ends above it.
constexpr double SHOE_TOP_Y = 340;

// Items drawn for each row.
int ItemCount(Row row);

// The backdrop panel with the model on a plinth; drawn in screen coordinates over the area of
// the backdrop picture.
void DrawBackdrop(cairo_t* cr, double x, double y, double w, double h);

void DrawItem(cairo_t* cr, Row row, int nItem);

// Paints, opaque, the parts of the bare figure that every outfit must hide where they show:
// the bandeau and the briefs (apart from where the arms hang in front of them) and the scalp
// under the hair. In screen coordinates.
void DrawMustCover(cairo_t* cr);
} // namespace Model
