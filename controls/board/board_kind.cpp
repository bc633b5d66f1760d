// The board's kind record, its properties and what each property change triggers.
#include <algorithm>

#include "controls/common/unit_property_value.h"
#include "controls/board/board.h"
#include "controls/board/board_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

constexpr PropertyDescription kBoardProperties[kBoardPropertyCount] = {
    {"Border", PropertyType::kInt},          {"BackColour", PropertyType::kInt},
    {"BackPicture", PropertyType::kByteSet}, {"BackPictureMode", PropertyType::kInt},
    {"AutoRedraw", PropertyType::kLogical},  {"CoordinateUnit", PropertyType::kInt},
    {"PenType", PropertyType::kInt},         {"DrawMode", PropertyType::kInt},
    {"PenWidth", PropertyType::kInt},        {"PenColour", PropertyType::kInt},
    {"BrushType", PropertyType::kInt},       {"BrushColour", PropertyType::kInt},
    {"TextColour", PropertyType::kInt},      {"TextBackColour", PropertyType::kInt},
    {"Font", PropertyType::kFont},           {"DrawWidth", PropertyType::kInt},
    {"DrawHeight", PropertyType::kInt},
};

const UnitKindDescription kBoardKindDescription{
    kBoardKind,          "画板",      "DrawPanel", kind_flags::kRaisesEvents, kBoardProperties,
    kBoardPropertyCount, CreateBoard, nullptr,
};

// Pick values beyond the last choice become the last choice, negative ones 0.
void ClampPicks(BoardOptions& o)
{
    o.Border = std::clamp(o.Border, 0, 5);
    o.BackPictureMode = std::clamp(o.BackPictureMode, 0, 2);
    o.CoordinateUnit = std::clamp(o.CoordinateUnit, 0, 5);
    o.PenType = std::clamp(o.PenType, 0, 6);
    o.DrawMode = std::clamp(o.DrawMode, 0, 15);
    o.PenWidth = std::clamp(o.PenWidth, 0, 32767);
    o.BrushType = std::clamp(o.BrushType, 0, 55);
}

// Stores a changed value; false when it equals the stored one.
template <class Field>
bool StoreChanged(Field& field, Field value)
{
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

}  // namespace

const UnitKindDescription& BoardKind() { return kBoardKindDescription; }

BoardUnit::BoardUnit(const UnitCreateArgs& args, BoardOptions options)
    : LiveUnit(args.windowId, args.unitId), options_(std::move(options))
{
    ClampPicks(options_);
    rebuildPen();
    rebuildBrush();
    rebuildFont();
}

void BoardUnit::rebuildPen() { pen_ = CreateBoardPen(options_.PenType, options_.PenWidth, options_.PenColour); }

void BoardUnit::rebuildBrush() { brush_ = CreateBoardBrush(options_.BrushType, options_.BrushColour); }

void BoardUnit::rebuildFont() { font_ = CreateBoardFont(options_.Font, options_.CoordinateUnit); }

HBITMAP BoardUnit::backPicture()
{
    if (!backPicture_ && !options_.BackPicture.empty()) {
        UniqueBitmap decoded = pictures::PictureToBitmap(options_.BackPicture.data(),
                                                         static_cast<std::ptrdiff_t>(options_.BackPicture.size()));
        backPicture_.reset(decoded.release());
        if (!backPicture_) {
            options_.BackPicture.clear();
        }
    }
    return backPicture_.get();
}

DrawingSetup BoardUnit::drawingSetup() const
{
    DrawingSetup setup;
    setup.coordinateUnit = options_.CoordinateUnit;
    setup.pen = pen_.get();
    setup.brush = brush_.brush.get();
    setup.font = font_.get();
    setup.brushColour = options_.BrushColour;
    setup.textBackColour = options_.TextBackColour;
    setup.backColour = backColour();
    setup.drawMode = options_.DrawMode;
    return setup;
}

bool BoardUnit::setProperty(int number, const PropertyValue& value)
{
    int32_t n = value.number;
    auto colour = static_cast<uint32_t>(n);
    switch (number) {
    case kBoardBorder:
        options_.Border = std::clamp(n, 0, 5);
        ApplyBorder(handle_, options_.Border);
        break;
    case kBoardBackColour:
        if (StoreChanged(options_.BackColour, colour)) {
            rebuildBitmap(false);
            InvalidateRect(handle_, nullptr, FALSE);
        }
        break;
    case kBoardBackPicture:
        options_.BackPicture = value.bytes;
        backPicture_.reset();
        rebuildBitmap(false);
        InvalidateRect(handle_, nullptr, FALSE);
        break;
    case kBoardBackPictureMode:
        if (StoreChanged(options_.BackPictureMode, std::clamp(n, 0, 2))) {
            InvalidateRect(handle_, nullptr, FALSE);
        }
        break;
    case kBoardAutoRedraw:
        if (StoreChanged(options_.AutoRedraw, n != 0)) {
            if (options_.AutoRedraw) {
                rebuildBitmap(false);
            } else {
                bitmap_.reset();
            }
        }
        break;
    case kBoardCoordinateUnit:
        options_.CoordinateUnit = std::clamp(n, 0, 5);
        rebuildFont();
        break;
    case kBoardPenType:
        if (StoreChanged(options_.PenType, std::clamp(n, 0, 6))) {
            rebuildPen();
        }
        break;
    case kBoardPenWidth:
        if (StoreChanged(options_.PenWidth, std::clamp(n, 0, 32767))) {
            rebuildPen();
        }
        break;
    case kBoardPenColour:
        if (StoreChanged(options_.PenColour, colour)) {
            rebuildPen();
        }
        break;
    case kBoardDrawMode:
        options_.DrawMode = std::clamp(n, 0, 15);
        break;
    case kBoardBrushType:
        if (StoreChanged(options_.BrushType, std::clamp(n, 0, 55))) {
            rebuildBrush();
        }
        break;
    case kBoardBrushColour:
        if (StoreChanged(options_.BrushColour, colour)) {
            rebuildBrush();
        }
        break;
    case kBoardTextColour:
        options_.TextColour = colour;
        break;
    case kBoardTextBackColour:
        options_.TextBackColour = colour;
        break;
    case kBoardFont:
        options_.Font = FontOf(value);
        rebuildFont();
        break;
    default:
        break;
    }
    return false;
}

PropertyValue BoardUnit::getProperty(int number)
{
    PropertyValue value;
    switch (number) {
    case kBoardBorder:
        value.number = options_.Border;
        break;
    case kBoardBackColour:
        value.number = static_cast<int32_t>(options_.BackColour);
        break;
    case kBoardBackPicture:
        value.bytes = options_.BackPicture;
        break;
    case kBoardBackPictureMode:
        value.number = options_.BackPictureMode;
        break;
    case kBoardAutoRedraw:
        value.number = options_.AutoRedraw ? 1 : 0;
        break;
    case kBoardCoordinateUnit:
        value.number = options_.CoordinateUnit;
        break;
    case kBoardPenType:
        value.number = options_.PenType;
        break;
    case kBoardDrawMode:
        value.number = options_.DrawMode;
        break;
    case kBoardPenWidth:
        value.number = options_.PenWidth;
        break;
    case kBoardPenColour:
        value.number = static_cast<int32_t>(options_.PenColour);
        break;
    case kBoardBrushType:
        value.number = options_.BrushType;
        break;
    case kBoardBrushColour:
        value.number = static_cast<int32_t>(options_.BrushColour);
        break;
    case kBoardTextColour:
        value.number = static_cast<int32_t>(options_.TextColour);
        break;
    case kBoardTextBackColour:
        value.number = static_cast<int32_t>(options_.TextBackColour);
        break;
    case kBoardFont:
        value.bytes = FontValue(options_.Font).bytes;
        break;
    case kBoardDrawWidth:
        value.number = sizeInUnits(clientSize()).cx;
        break;
    case kBoardDrawHeight:
        value.number = sizeInUnits(clientSize()).cy;
        break;
    default:
        break;
    }
    return value;
}

std::vector<uint8_t> BoardUnit::serialise() { return WriteOptions(options_); }

}  // namespace rt::units
