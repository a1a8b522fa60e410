// Filling the tiles of the two order screens from the back office's tile rows.
#include "order/tform_main.h"

// The tile screens are not built yet: both loaders leave every tile empty,
// so every dish of the open shift stays in the menu cache.
void TForm_Main::LoadMainTiles() {}

void TForm_Main::LoadP2Tiles() {}
