// Anim loader entry points. Until PDF animations are built, every file is
// declined, which the host reports as a file it cannot open as an animation.
#include "anim.h"

void *OpenAnim(const char *, uint32_t *) { return nullptr; }
void *LoadFrame(void *, int, uint32_t *) { return nullptr; }
void FreeFrame(void *) {}
int GetFrameDelay(void *, int) { return 0; }
void CloseAnim(void *) {}
uint32_t *GetFrame(void *, KsPixelInfo *) { return nullptr; }
int TransformFrame(void *, const double *, int, int) { return 0; }
void FreeVectorFrame(void *) {}
