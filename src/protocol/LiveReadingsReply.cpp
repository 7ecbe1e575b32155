#include "LiveReadingsReply.h"

#include "BlockCodec.h"

namespace morvent {

namespace {

FieldSpec reading(std::size_t index, std::size_t width, std::string control, std::string name) {
    FieldSpec f;
    f.index = index;
    f.width = width;
    f.control = std::move(control);
    f.name = std::move(name);
    return f;
}

} // namespace

const std::vector<FieldSpec>& liveReadingFields() {
    static const std::vector<FieldSpec> fields{
        reading(0, 2, "Edit92", "SpeedSignalACC"), reading(2, 1, "Edit93", "SpeedSigLevel"),
        reading(3, 2, "Edit94", "LevelHTime"),     reading(5, 2, "Edit95", "LevelLTime"),
        reading(7, 2, "Edit96", "TqVoltate"),
    };
    return fields;
}

void applyLiveReadings(std::span<const std::uint8_t> reply, Fields& fields) {
    applyReplyFields(liveReadingFields(), reply, fields);
}

} // namespace morvent
