// Method ids and the layout of their messages. A message is an array of
// words; word 0 is the method id, the rest are the arguments listed here.
// An object answers an id it does not know with 0.
#pragma once

#include "toolkit/base.h"

namespace tk {

// Flags of Draw: the whole object, or only what changed since the last draw.
constexpr Word kDrawObject = 1;
constexpr Word kDrawUpdate = 2;

} // namespace tk

namespace tk::method {

// Object life and attributes.
constexpr Word New = 0x101;        // (const TagItem *tags) -> the object or 0
constexpr Word Dispose = 0x102;    // ()
constexpr Word Set = 0x103;        // (const TagItem *tags)
constexpr Word Get = 0x104;        // (Word attribute, Word *storage) -> 1 known, 0 unknown
constexpr Word AddMember = 0x109;  // (Object *child): append a child
constexpr Word RemMember = 0x10A;  // (Object *child): take a child out, it is not disposed

// Attribute helpers and notifications.
constexpr Word SetAttr = 0x8042549A;      // (attribute, value)
constexpr Word NoNotifySet = 0x8042216F;  // (attribute, value)
constexpr Word MultiSet = 0x8042D356;     // (attribute, value, object..., 0)
constexpr Word Notify = 0x8042C9CB;       // (attribute, trigger, destination, count, method, args...)
constexpr Word KillNotify = 0x8042D240;   // (attribute)
constexpr Word KillNotifyObj = 0x8042B145;// (attribute, destination)
constexpr Word CallHook = 0x8042B96B;     // (Hook *hook, args...): hook gets &args[0]

// Families (menus, strips and groups).
constexpr Word FamilyAddHead = 0x8042E200; // (Object *child)
constexpr Word FamilyAddTail = 0x8042D752; // (Object *child)
constexpr Word FamilyInsert = 0x80424D34;  // (Object *child, Object *after): after 0 = at the head
constexpr Word FamilyRemove = 0x8042F8A9;  // (Object *child)

// Groups.
constexpr Word GroupInitChange = 0x80420887;  // ()
constexpr Word GroupExitChange = 0x8042D1CC;  // ()
constexpr Word GroupExitChange2 = 0x8042E541; // (Word flags)
constexpr Word GroupSort = 0x80427417;        // (Object *child..., 0): the new order

// Application.
constexpr Word AppNewInput = 0x80423BA6;  // (Word *signals) -> next return id or 0
constexpr Word AppReturnID = 0x804276EF;  // (Word id)
constexpr Word AppPushMethod = 0x80429EF8;// (Object *dest, Word count, method, args...): count words follow
constexpr Word AppAboutToolkit = 0x8042D21D;  // (Object *window)
constexpr Word AppOpenConfigWindow = 0x804299BA; // (Word flags)

// Drawing life of an area; the layout and drawing layer gives them substance.
constexpr Word AskMinMax = 0x80423874;  // (MinMax *)
constexpr Word Setup = 0x80428354;      // () -> TRUE to go on
constexpr Word Cleanup = 0x8042D985;    // ()
constexpr Word Show = 0x8042CC84;       // () -> TRUE to go on
constexpr Word Hide = 0x8042F20F;       // ()
constexpr Word Draw = 0x80426F3F;       // (Word flags)
constexpr Word Redraw = 0x804279D8;     // (Word flags)
constexpr Word HandleEvent = 0x80426D66;// (const InputEvent *event) -> kEat bits
// Places an area (window coordinates); groups place their children in turn.
constexpr Word Layout = 0xFA000200;     // (SWord left, SWord top, SWord width, SWord height)

// Pop-up gadgets.
constexpr Word PopstringOpen = 0x804258BA;  // () -> 1 when a requester or pop-up was shown
constexpr Word PopstringClose = 0x8042DC52; // (Word accepted)

// String editing.
constexpr Word StringCut = 0x851B071E;
constexpr Word StringCopy = 0x851B071F;
constexpr Word StringPaste = 0x851B0720;
constexpr Word StringUndo = 0x851B074A;
constexpr Word StringRedo = 0x851B074B;
constexpr Word StringInsert = 0x851B0728;   // (const char *text, Word where: 0 at the cursor, 1 start, 2 end)

// Lists.
constexpr Word ListClear = 0x8042AD89;     // ()
constexpr Word ListInsertSingle = 0x804254A8; // (Word entry, SWord position)
constexpr Word ListInsert = 0x80426C87;    // (Word *entries, SWord count (-1: until 0), SWord position)
constexpr Word ListRemove = 0x8042647E;    // (SWord position)
constexpr Word ListGetEntry = 0x804280EC;  // (SWord position, Word *entry)
constexpr Word ListExchange = 0x8042468C;  // (SWord a, SWord b)
constexpr Word ListMove = 0x804253C2;      // (SWord from, SWord to)
constexpr Word ListJump = 0x8042BAAB;      // (SWord position)
constexpr Word ListRedraw = 0x80427993;    // (SWord position)
constexpr Word ListSort = 0x80422275;      // ()
constexpr Word ListSelect = 0x804252D8;    // (SWord position, SWord how, Word *state)
constexpr Word ListNextSelected = 0x80425F17; // (SWord *position): -1 starts, -1 again at the end

constexpr SWord ListInsertTop = 0;
constexpr SWord ListInsertActive = -1;
constexpr SWord ListInsertSorted = -2;
constexpr SWord ListInsertBottom = -3;

// Busy bar.
constexpr Word BusyMove = 0x80020001;      // ()

} // namespace tk::method
