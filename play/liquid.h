// The liquid flow of the play screen, one step per frame.
#ifndef PLAY_LIQUID_H
#define PLAY_LIQUID_H

// Evens out each connected body by one unit, then lets liquid fall, spread,
// leave closed cells and drain at the side edges.
void FlowLiquid(void);

#endif
