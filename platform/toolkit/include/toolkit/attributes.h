// Attribute tags the built-in classes understand. The numbers are the ones
// the GUI plugin's tables send; tags in the 0xFA00xxxx range belong to this
// layer alone (names, labels, marking, requester contents).
#pragma once

#include "toolkit/base.h"

namespace tk::attr {

// Every object.
constexpr Word NoNotify = 0x804237F9;      // S: later items of the same list do not notify
constexpr Word UserData = 0x80420313;      // ISG
constexpr Word ObjectID = 0x8042D76E;      // ISG
constexpr Word Parent = 0x8042E35F;        // G
constexpr Word ApplicationObject = 0x8042D3EE; // G
constexpr Word WindowObject = 0x8042BFE6;  // G
constexpr Word Version = 0x80422301;       // G: toolkit version of the class
constexpr Word Revision = 0x80427EAA;      // G
constexpr Word FamilyChild = 0x8042C696;   // I: child of menus, strips, families
constexpr Word Name = 0xFA000001;          // ISG: the owner's name for the object (robot addressing)
constexpr Word Label = 0xFA000002;         // G: visible text a person would read (robot addressing)
constexpr Word ClassName = 0xFA000003;     // G: name of the object's class

// Areas (every widget).
constexpr Word Frame = 0x8042AC64;
constexpr Word FrameTitle = 0x8042D1C7;
constexpr Word Background = 0x8042545B;
constexpr Word FillArea = 0x804294A3;      // ISG: false when the class paints its whole box itself
constexpr Word Disabled = 0x80423661;
constexpr Word ShowMe = 0x80429BA8;
constexpr Word ShortHelp = 0x80428FE3;
constexpr Word Weight = 0x80421D1F;
constexpr Word HorizWeight = 0x80426D1E;
constexpr Word VertWeight = 0x804298D0;
constexpr Word FixWidth = 0x8042A3F1;
constexpr Word FixHeight = 0x8042A92B;
constexpr Word Left = 0x8042BEC6;
constexpr Word Top = 0x8042509B;
constexpr Word Width = 0x8042B59C;
constexpr Word Height = 0x80423237;
constexpr Word InnerLeft = 0x804228F8;
constexpr Word InnerRight = 0x804297FF;
constexpr Word InnerTop = 0x80421EB6;
constexpr Word InnerBottom = 0x8042F2C0;
constexpr Word ControlChar = 0x8042120B;
constexpr Word CycleChain = 0x80421CE7;
constexpr Word InputMode = 0x8042FB04;     // 0 none, 1 release-verify (button), 2 immediate, 3 toggle
constexpr Word Selected = 0x8042654B;
constexpr Word Pressed = 0x80423535;       // pulse: TRUE on press, FALSE on release
constexpr Word Timer = 0x80426435;
constexpr Word ContextMenu = 0x8042B704;
constexpr Word ContextMenuTrigger = 0x8042A2C1; // pulse: the picked menu item
constexpr Word Font = 0x8042BE50;
constexpr Word AppMessage = 0x80421955;    // pulse: a DropMessage* for files dropped on the object
constexpr Word Dropable = 0x8042FBCE;

// The inside of an area (within frame, frame title and inner spacing), in
// window coordinates, after layout. G.
constexpr Word MLeft = 0xFA000060;
constexpr Word MTop = 0xFA000061;
constexpr Word MWidth = 0xFA000062;
constexpr Word MHeight = 0xFA000063;

constexpr Word InputModeNone = 0;
constexpr Word InputModeRelVerify = 1;
constexpr Word InputModeImmediate = 2;
constexpr Word InputModeToggle = 3;

// Application.
constexpr Word AppTitle = 0x804281B8;
constexpr Word AppAuthor = 0x80424842;
constexpr Word AppVersion = 0x8042B33F;
constexpr Word AppCopyright = 0x8042EF4D;
constexpr Word AppDescription = 0x80421FC6;
constexpr Word AppBase = 0x8042E07A;
constexpr Word AppUseCommodities = 0x80422387;
constexpr Word AppUseRexx = 0x80425EE5;
constexpr Word AppWindow = 0x8042BFE0;     // I: one window per item
constexpr Word AppSleep = 0x80425711;      // SG: nesting counter, TRUE adds one, FALSE removes one
constexpr Word AppIconified = 0x8042A07F;  // SG
constexpr Word AppDiskObject = 0x804235CB;
constexpr Word AppSignal = 0xFA000010;     // G: the application's input signal mask

// Window.
constexpr Word WinRootObject = 0x8042CBA5;
constexpr Word WinTitle = 0x8042AD3D;
constexpr Word WinScreenTitle = 0x804234B0;
constexpr Word WinOpen = 0x80428AA0;
constexpr Word WinCloseGadget = 0x8042A110;
constexpr Word WinSizeGadget = 0x8042E33D;
constexpr Word WinDragBar = 0x8042045D;
constexpr Word WinActivate = 0x80428D2F;
constexpr Word WinCloseRequest = 0x8042E86E; // pulse
constexpr Word WinActiveObject = 0x80427925;
constexpr Word WinDefaultObject = 0x804294D7;
constexpr Word WinMenustrip = 0x8042855E;
constexpr Word WinWidth = 0x8042DCAE;
constexpr Word WinHeight = 0x80425846;
constexpr Word WinLeftEdge = 0x80426C65;
constexpr Word WinTopEdge = 0x80427C66;
constexpr Word WinSleep = 0x8042E7DB;      // SG: nesting counter
constexpr Word WinID = 0x804201BD;
constexpr Word WinPubScreen = 0x804278E4;
constexpr Word WinAppWindow = 0x804280CF;
constexpr Word WinInputEvent = 0x804247D8; // I: key binding string; pulse when it is typed
constexpr Word WinBorderless = 0x80429B79;

// The window on the screen, after layout (the layer's own, G): its bitmap
// and rastport while open, its place and size with the borders, and the
// borders themselves.
constexpr Word WinBitMap = 0xFA000050;
constexpr Word WinRastPort = 0xFA000051;
constexpr Word WinBoxLeft = 0xFA000052;
constexpr Word WinBoxTop = 0xFA000053;
constexpr Word WinBoxWidth = 0xFA000054;
constexpr Word WinBoxHeight = 0xFA000055;
constexpr Word WinBorderLeft = 0xFA000056;
constexpr Word WinBorderTop = 0xFA000057;
constexpr Word WinBorderRight = 0xFA000058;
constexpr Word WinBorderBottom = 0xFA000059;

// Special values of the window's active object.
constexpr Word ActiveObjectNone = 0;
constexpr Word ActiveObjectNext = Word(-1);
constexpr Word ActiveObjectPrev = Word(-2);

// Special window sizes and positions. Sizes: Default, a percentage of the
// screen (-200 - n) or of the visible screen (-100 - n). Positions:
// Centered, under the mouse, or n pixels below the screen title (-3 - n).
constexpr SWord WinSizeDefault = -1001;
constexpr SWord WinPosCentered = -1;
constexpr SWord WinPosMoused = -2;

// Group.
constexpr Word GroupChild = 0x804226E6;
constexpr Word GroupHoriz = 0x8042536B;
constexpr Word GroupColumns = 0x8042F416;
constexpr Word GroupRows = 0x8042B68F;
constexpr Word GroupSpacing = 0x8042866D;
constexpr Word GroupHorizSpacing = 0x8042C651;
constexpr Word GroupVertSpacing = 0x8042E1BF;
constexpr Word GroupSameSize = 0x80420860;
constexpr Word GroupPageMode = 0x80421A5F;
constexpr Word GroupActivePage = 0x80424199;
constexpr Word GroupChildCount = 0xFA000020; // G

constexpr SWord PageFirst = 0;
constexpr SWord PageLast = -1;
constexpr SWord PagePrev = -2;
constexpr SWord PageNext = -3;
constexpr SWord PageAdvance = -4;

// Register.
constexpr Word RegisterTitles = 0x804297EC; // I: null-ended array of texts
constexpr Word RegisterFrame = 0x8042349B;

// Virtual and scroll groups.
constexpr Word VirtLeft = 0x80429371;
constexpr Word VirtTop = 0x80425200;
constexpr Word VirtWidth = 0x80427C49;
constexpr Word VirtHeight = 0x80423038;
constexpr Word ScrollContents = 0x80421261;
constexpr Word ScrollFreeHoriz = 0x804292F3;
constexpr Word ScrollFreeVert = 0x804224F2;
constexpr Word ScrollAutoBars = 0x8042F50E;
constexpr Word ScrollUseWinBorder = 0x804284C1;

// Text and float text.
constexpr Word TextContents = 0x8042F8DC;
constexpr Word TextPreParse = 0x8042566D;
constexpr Word TextSetMin = 0x80424E10;
constexpr Word TextSetMax = 0x80424D0A;
constexpr Word TextHiChar = 0x804218FF;
constexpr Word FloattextText = 0x8042D16A;
constexpr Word FloattextJustify = 0x8042DC03;
constexpr Word FloattextTabSize = 0x80427D17;

// String.
constexpr Word StringContents = 0x80428FFD;
constexpr Word StringAccept = 0x8042E3E1;
constexpr Word StringReject = 0x8042179C;
constexpr Word StringSecret = 0x80428769;
constexpr Word StringAcknowledge = 0x8042026C; // pulse: the contents
constexpr Word StringAdvanceOnCR = 0x804226DE;
constexpr Word StringMaxLen = 0x80424984;   // I: buffer size including the end byte (default 80)
constexpr Word StringBufferPos = 0x80428B6C;
constexpr Word StringCursorPos = 0x851B0791;
constexpr Word StringInteger = 0x80426E8A;
constexpr Word StringMarkStart = 0xFA000030; // SG: -1 when nothing is marked
constexpr Word StringMarkEnd = 0xFA000031;   // SG: -1 when nothing is marked
constexpr Word StringCanUndo = 0xFA000032;   // G
constexpr Word StringCanRedo = 0xFA000033;   // G

// Cycle and radio.
constexpr Word CycleEntries = 0x80420629;
constexpr Word CycleActive = 0x80421788;
constexpr Word RadioEntries = 0x8042B6A1;
constexpr Word RadioActive = 0x80429B41;
constexpr SWord CycleNext = -1;
constexpr SWord CyclePrev = -2;

// Gauge.
constexpr Word GaugeCurrent = 0x8042F0DD;
constexpr Word GaugeMax = 0x8042BCDB;
constexpr Word GaugeHoriz = 0x804232DD;
constexpr Word GaugeInfoText = 0x8042BF15;
constexpr Word GaugeDivide = 0x8042D8DF;

// Slider (numeric).
constexpr Word NumericMin = 0x8042E404;
constexpr Word NumericMax = 0x8042D78A;
constexpr Word NumericValue = 0x8042AE3A;
constexpr Word NumericReverse = 0x8042F2A0;
constexpr Word NumericDefault = 0x804263E8;
constexpr Word SliderHoriz = 0x8042FAD1;
constexpr Word SliderQuiet = 0x80420B26;

// Scrollbar (proportional gadget).
constexpr Word PropEntries = 0x8042FBDB;
constexpr Word PropFirst = 0x8042D4B2;
constexpr Word PropHoriz = 0x8042F4F3;
constexpr Word PropVisible = 0x8042FEA6;
constexpr Word PropDeltaFactor = 0x80426C07;
constexpr Word PropUseWinBorder = 0x8042DEEE;

// Image.
constexpr Word ImageSpec = 0x804233D5;
constexpr Word ImageState = 0x8042A3AD;

// Menus.
constexpr Word MenustripEnabled = 0x8042815B;
constexpr Word MenuTitle = 0x8042A0E3;
constexpr Word MenuEnabled = 0x8042ED48;
constexpr Word ItemTitle = 0x804218BE;
constexpr Word kMenuBarLabel = ~Word(0);   // an ItemTitle that makes the item a separator line
constexpr Word ItemShortcut = 0x80422030;
constexpr Word ItemCheckit = 0x80425ACE;
constexpr Word ItemChecked = 0x8042562A;
constexpr Word ItemToggle = 0x80424D5C;
constexpr Word ItemExclude = 0x80420BC6;
constexpr Word ItemEnabled = 0x8042AE0F;
constexpr Word ItemCommandString = 0x8042B9CC;
constexpr Word ItemTrigger = 0x80426F32;  // pulse: the item itself

// Pop-up string gadgets (Popasl, Popobject) and Poppen.
constexpr Word PopstringString = 0x8042D0B9; // I: the string object (0 = make one)
constexpr Word PopstringButton = 0x804239EA; // I: the pop button (0 = make one)
constexpr Word PopaslType = 0x8042DF3D;      // 0 file, 1 font
constexpr Word PopaslActive = 0x80421B37;    // G
constexpr Word AslTitle = 0x80080001;
constexpr Word AslPattern = 0x8008000A;
constexpr Word AslSaveMode = 0x8008002C;
constexpr Word AslDoPatterns = 0x8008002E;
constexpr Word AslDrawersOnly = 0x8008002F;
constexpr Word AslMinHeight = 0x80080010;
constexpr Word AslMaxHeight = 0x80080011;
constexpr Word PopobjectObject = 0x8042FBE1;
constexpr Word PopobjectStrObjHook = 0x8042DB44;
constexpr Word PopobjectObjStrHook = 0x8042F194;
constexpr Word PopobjectWindowHook = 0x804293E3;
constexpr Word PenSpec = 0x8042A204;       // ISG: pointer to an RgbColor
constexpr Word PenRgb = 0x8042A1A9;        // G: pointer to an RgbColor
constexpr Word PenTitle = 0x8042AD3D;
constexpr Word PopaslTypeFile = 0;
constexpr Word PopaslTypeFont = 1;

// Busy bar (add-on class).
constexpr Word BusySpeed = 0x80020049;
constexpr Word BusyPosition = 0xFA000040; // G: how many steps it has moved

// Lists.
constexpr Word ListActive = 0x8042391C;
constexpr Word ListEntries = 0x80421654;
constexpr Word ListFirst = 0x804238D4;
constexpr Word ListVisible = 0x8042191F;
constexpr Word ListQuiet = 0x8042D8C7;
constexpr Word ListConstructHook = 0x8042894F;
constexpr Word ListDestructHook = 0x804297CE;
constexpr Word ListDisplayHook = 0x8042B4D5;
constexpr Word ListCompareHook = 0x80425C14;
constexpr Word ListFormat = 0x80423C0A;
constexpr Word ListTitle = 0x80423E66;
constexpr Word ListSourceArray = 0x8042C0A0;
constexpr Word ListviewList = 0x8042BCCE;
constexpr Word ListviewDoubleClick = 0x80424635; // pulse: the row
constexpr Word ListviewMultiSelect = 0x80427E08;
constexpr Word ListviewClickColumn = 0x8042D1B3;
constexpr Word ListviewDefClickColumn = 0x8042B296;
constexpr Word ListviewInput = 0x8042682D;
constexpr Word ListviewActivate = 0x804214C2;    // pulse: the row activated by a click or return

constexpr SWord ListActiveOff = -1;
constexpr SWord ListActiveTop = -2;
constexpr SWord ListActiveBottom = -3;
constexpr SWord ListActiveUp = -4;
constexpr SWord ListActiveDown = -5;
constexpr SWord ListActivePageUp = -6;
constexpr SWord ListActivePageDown = -7;

} // namespace tk::attr
