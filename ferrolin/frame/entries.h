// The entry points the host finds through the export table.
#pragma once

#include "kestrune.h"

int InitPlugin(PluginInfo *info, const HostApi *api, const char *path);
void ClosePlugin();
const char *GetBaseTable();
const CommandEntry *GetCommands();
const ConstantEntry *GetConstants();
const HelpString *GetHelpStrings();
uint32_t GetExtensions(uint32_t capability);
int InitLibrary(ScriptState *state);
void FreeLibrary(ScriptState *state);
int RequirePlugin(ScriptState *state, int version, int revision, uint32_t flags, const KsTagItem *options);
int HandleEvents(ScriptState *state);
int WaitEvents(ScriptState *state, intptr_t unused, const KsTagItem *options);
void ForceEventLoopIteration();
void DetermineBorderSizes(int32_t *left, int32_t *right, int32_t *top, int32_t *bottom);
void *OpenDisplay();
void *CreatePointer();
