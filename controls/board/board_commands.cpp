// The board's methods as core commands: each reads its argument triples (the board first), then
// does its work on the window thread with the live board.
#include <new>

#include "commands/core/command_args.h"
#include "commands/core/command_slots.h"
#include "controls/common/unit_method.h"
#include "controls/board/board.h"
#include "controls/board/board_unit.h"
#include "pictures/decoding/picture_list.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

using commands::CommandArgs;
using commands::CoreCommand;
using commands::RegisterCommandRoutine;

// An omitted argument (type 0), like any value that is not a number, is not given.
MaybeInt Optional(const ValueTriple& value) { return IntegerOf(value); }
int32_t Required(const ValueTriple& value) { return IntegerOf(value).value_or(0); }

// A method that runs out of memory does nothing more and gives its empty result: no exception
// leaves it for the window thread's message loop.
template <class Work>
void OnBoard(const CommandArgs& args, Work&& work)
{
    RunUnitMethod<BoardUnit>(args[0], kBoardKind, [&](BoardUnit& board) {
        try {
            work(board);
        } catch (const std::bad_alloc&) {
        }
    });
}

// The live picture a handle argument names, held for the call; null for a dead handle.
pictures::PictureRef PictureArgument(const ValueTriple& value) { return pictures::AcquirePicture(Required(value)); }

void ClearCommand(ValueTriple*, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    ClearRequest request{Optional(args[1]), Optional(args[2]), Optional(args[3]), Optional(args[4])};
    OnBoard(args, [&](BoardUnit& board) { board.clear(request); });
}

void DrawLineCommand(ValueTriple*, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    POINT from{Required(args[1]), Required(args[2])};
    POINT to{Required(args[3]), Required(args[4])};
    OnBoard(args, [&](BoardUnit& board) { board.drawLine(from, to); });
}

void DrawPictureCommand(ValueTriple*, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    pictures::PictureRef picture = PictureArgument(args[1]);
    if (!picture) {
        return;
    }
    PictureRequest request{Required(args[2]), Required(args[3]), Optional(args[4]), Optional(args[5]),
                           Optional(args[6])};
    OnBoard(args, [&](BoardUnit& board) { board.drawPicture(*picture, request); });
}

void CopyCommand(ValueTriple*, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    CopyRequest request{Optional(args[1]), Optional(args[2]), Optional(args[3]), Optional(args[4]),
                        Optional(args[6]), Optional(args[7]), Optional(args[8])};
    const ValueTriple& targetArgument = args[5];
    OnBoard(args, [&](BoardUnit& board) {
        // A target that is given but names no live board gets nothing.
        BoardUnit* target = targetArgument.omitted() ? &board : UnitOfReference<BoardUnit>(targetArgument, kBoardKind);
        if (target) {
            board.copyTo(*target, request);
        }
    });
}

void GetPictureDataCommand(ValueTriple* result, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    *result = MakePointerValue(nullptr, kByteSet);
    MaybeInt width = Optional(args[1]);
    MaybeInt height = Optional(args[2]);
    OnBoard(args, [&](BoardUnit& board) {
        OwnedByteSet bytes = board.pictureData(width, height);
        if (!bytes.empty()) {
            *result = MakePointerValue(bytes.release(), kByteSet);
        }
    });
}

template <bool kWidth>
void PictureExtentCommand(ValueTriple* result, int argCount, ValueTriple* argValues)
{
    CommandArgs args(argCount, argValues);
    *result = MakeInt(0);
    pictures::PictureRef picture = PictureArgument(args[1]);
    if (!picture) {
        return;
    }
    SIZE pixels{picture->width, picture->height};
    OnBoard(args, [&](BoardUnit& board) {
        SIZE units = board.sizeInUnits(pixels);
        *result = MakeInt(kWidth ? units.cx : units.cy);
    });
}

}  // namespace

void RegisterBoardMethods()
{
    RegisterCommandRoutine(CoreCommand::kClear, ClearCommand);
    RegisterCommandRoutine(CoreCommand::kDrawLine, DrawLineCommand);
    RegisterCommandRoutine(CoreCommand::kDrawPicture, DrawPictureCommand);
    RegisterCommandRoutine(CoreCommand::kCopy, CopyCommand);
    RegisterCommandRoutine(CoreCommand::kGetPictureData, GetPictureDataCommand);
    RegisterCommandRoutine(CoreCommand::kPictureWidth, PictureExtentCommand<true>);
    RegisterCommandRoutine(CoreCommand::kPictureHeight, PictureExtentCommand<false>);
}

}  // namespace rt::units
