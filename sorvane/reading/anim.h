// The anim loader entry points: a PDF file as an animation of its pages.
#pragma once

#include "kestrune.h"

void *OpenAnim(const char *file, uint32_t *animInfo);
void *LoadFrame(void *anim, int index, uint32_t *request);
void FreeFrame(void *frame);
int GetFrameDelay(void *anim, int index);
void CloseAnim(void *anim);
uint32_t *GetFrame(void *frame, KsPixelInfo *out);
int TransformFrame(void *frame, const double *matrix, int width, int height);
void FreeVectorFrame(void *frame);
