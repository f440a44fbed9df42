#include "server/vtmargument.h"

#include "server/numtext.h"

#include <stdexcept>

namespace Ko {

VtmArgument VtmArgument::fromString(const std::string& text) {
    if (text.find(',') != std::string::npos)
        throw std::invalid_argument("VtmArgument");
    return VtmArgument{text};
}

VtmArgument VtmArgument::fromInt(int value) {
    return VtmArgument{NumText::fromInt(value)};
}

VtmArgument VtmArgument::fromLong(int64_t value) {
    return VtmArgument{NumText::fromLong(value)};
}

VtmArgument VtmArgument::fromDouble(double value) {
    return VtmArgument{NumText::fromDouble(value)};
}

int VtmArgument::toInt() const {
    return NumText::toNullableInt(text).value();
}

int64_t VtmArgument::toLong() const {
    return NumText::toNullableLong(text).value();
}

double VtmArgument::toDouble() const {
    return NumText::toNullableDouble(text).value();
}

bool VtmArgument::isInt() const {
    return NumText::toNullableInt(text).hasValue();
}

bool VtmArgument::isLong() const {
    return NumText::toNullableLong(text).hasValue();
}

bool VtmArgument::isDouble() const {
    return NumText::toNullableDouble(text).hasValue();
}

bool VtmArgument::isType(char type) const {
    switch (type) {
    case 'd':
        return isDouble();
    case 'i':
        return isInt();
    case 'l':
        return isLong();
    case 's':
        return true;
    default:
        return false;
    }
}

std::vector<VtmArgument> VtmArgument::splitList(const char* data, size_t length) {
    std::vector<VtmArgument> fields;
    if (length == 0)
        return fields;
    size_t start = 0;
    for (size_t k = 0; k <= length; ++k)
        if (k == length || data[k] == ',') {
            fields.push_back(VtmArgument{std::string(data + start, k - start)});
            start = k + 1;
        }
    return fields;
}

std::vector<VtmArgument> VtmArgument::splitText(const std::string& text) {
    return splitList(text.data(), text.size());
}

std::vector<VtmArgument> VtmArgument::splitBytes(const CBytes& bytes) {
    return splitText(bytes.toStdString());
}

} // namespace Ko
