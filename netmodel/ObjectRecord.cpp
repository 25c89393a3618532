#include "netmodel/ObjectRecord.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

namespace corvane {

ObjectRecord ReadObjectRecord(ByteReader& reader)
{
    ObjectRecord record;
    record.left = reader.I32LE("left");
    record.top = reader.I32LE("top");
    record.right = reader.I32LE("right");
    record.bottom = reader.I32LE("bottom");
    record.type = reader.U16LE("type");
    record.penOn = reader.U16LE("pen on");
    record.penStyle = reader.U32LE("pen style");
    record.penWidthX = reader.I32LE("pen width x");
    record.penWidthY = reader.I32LE("pen width y");
    record.penColour = reader.U32LE("pen colour");
    record.brushOn = reader.U16LE("brush on");
    record.brushStyle = reader.U32LE("brush style");
    record.brushColour = reader.U32LE("brush colour");
    record.brushHatch = reader.U32LE("brush hatch");
    return record;
}

void WriteObjectRecord(ByteWriter& writer, const ObjectRecord& record)
{
    writer.I32LE(record.left, "left");
    writer.I32LE(record.top, "top");
    writer.I32LE(record.right, "right");
    writer.I32LE(record.bottom, "bottom");
    writer.U16LE(record.type, "type");
    writer.U16LE(record.penOn, "pen on");
    writer.U32LE(record.penStyle, "pen style");
    writer.I32LE(record.penWidthX, "pen width x");
    writer.I32LE(record.penWidthY, "pen width y");
    writer.U32LE(record.penColour, "pen colour");
    writer.U16LE(record.brushOn, "brush on");
    writer.U32LE(record.brushStyle, "brush style");
    writer.U32LE(record.brushColour, "brush colour");
    writer.U32LE(record.brushHatch, "brush hatch");
}

}  // namespace corvane
