// The item rules (being written).
#include "play/item_rules.h"

int RectsOverlap(const RECT* a, const RECT* b)
{
    return a->left < b->right && a->right > b->left && a->top < b->bottom && a->bottom > b->top;
}

void UpdateItems(void)
{
}
