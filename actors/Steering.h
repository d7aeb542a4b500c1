#pragma once
// Direction arithmetic shared by the ghost behaviours: heading towards a point,
// turning clockwise or anticlockwise, and the random direction draw.

// The primary direction lies along the axis of the larger distance, the
// secondary along the other axis.
struct Heading {
  int primary;
  int secondary;
};

// Heading for a target dx, dy pixels away (y up). Ties go to right (target up
// and right), down (down and right), left (up and left) and down (down and
// left); a target on the actor's own position gives down, then left.
Heading headingTowards(int dx, int dy);

// left -> up -> right -> down -> left.
int rotateClockwise(int direction);
// down -> right -> up -> left -> down.
int rotateAnticlockwise(int direction);

// Steps round from `from` (the direction itself coming last) and returns the
// first direction in `mask`. `mask` must hold at least one direction.
int firstClockwiseIn(int from, int mask);
int firstAnticlockwiseIn(int from, int mask);

// The direction a draw r selects: below 0.25 up, below 0.5 right, below 0.75
// down, otherwise left.
int directionForDraw(double r);
// Draws until the direction is in `mask`, which must hold at least one direction.
int randomDirectionIn(int mask);
