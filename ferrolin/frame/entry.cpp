// The plugin file's header and its export table: the only symbol the file
// exports is the header; every entry point is found by name through it.
#include "entries.h"

namespace {

#define FL_ENTRY(name) {#name, reinterpret_cast<KsEntry>(name)}
// A name of the display adapter set that the plugin claims without code of its own.
#define FL_MARKER(name) {#name, reinterpret_cast<KsEntry>(uintptr_t(1))}

const KsEntryRow kExports[] = {
    FL_ENTRY(InitPlugin),
    FL_ENTRY(ClosePlugin),
    FL_ENTRY(GetBaseTable),
    FL_ENTRY(GetCommands),
    FL_ENTRY(GetConstants),
    FL_ENTRY(GetHelpStrings),
    FL_ENTRY(GetExtensions),
    FL_ENTRY(InitLibrary),
    FL_ENTRY(FreeLibrary),
    FL_ENTRY(RequirePlugin),
    FL_ENTRY(HandleEvents),
    FL_ENTRY(WaitEvents),
    FL_ENTRY(ForceEventLoopIteration),
    FL_MARKER(Sleep),
    FL_MARKER(VWait),
    FL_ENTRY(DetermineBorderSizes),
    FL_ENTRY(OpenDisplay),
    FL_MARKER(CloseDisplay),
    FL_MARKER(ChangeBufferSize),
    FL_MARKER(ShowHideDisplay),
    FL_MARKER(SizeMoveDisplay),
    FL_MARKER(SetDisplayTitle),
    FL_MARKER(ActivateDisplay),
    FL_MARKER(SetDisplayAttributes),
    FL_ENTRY(CreatePointer),
    FL_MARKER(FreePointer),
    FL_MARKER(SetPointer),
    FL_MARKER(ShowHidePointer),
    FL_MARKER(MovePointer),
    FL_MARKER(GetMousePos),
    FL_MARKER(GetQualifiers),
    FL_MARKER(BltBitMap),
    FL_MARKER(RectFill),
    FL_MARKER(WritePixel),
    FL_MARKER(Line),
    FL_MARKER(BeginDoubleBuffer),
    FL_MARKER(EndDoubleBuffer),
    FL_MARKER(Flip),
    FL_MARKER(Cls),
    FL_MARKER(AllocVideoBitMap),
    FL_MARKER(FreeVideoBitMap),
    FL_MARKER(ReadVideoPixels),
    FL_MARKER(FreeVideoPixels),
    FL_MARKER(DoVideoBitMapMethod),
    FL_MARKER(AllocBitMap),
    FL_MARKER(FreeBitMap),
    FL_MARKER(LockBitMap),
    FL_MARKER(UnLockBitMap),
    FL_MARKER(GetBitMapAttr),
    FL_MARKER(GetMonitorInfo),
    FL_MARKER(FreeMonitorInfo),
    FL_MARKER(GrabScreenPixels),
    FL_MARKER(FreeGrabScreenPixels),
    {nullptr, nullptr},
};
static_assert(sizeof kExports / sizeof kExports[0] == 16 + 37 + 1); // 16 functions, 37 markers

KsEntry lookup(const char *name) { return ks_find_entry(kExports, name); }

} // namespace

extern "C" __attribute__((visibility("default"))) const PluginHeader KestrunePluginHeader = {
    {'K', 'E', 'S', 'T', 'R', 'U', 'N', 'E'}, KS_HEADER_VERSION, lookup};
