#pragma once

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace win::netlink::testing {

// Builds netlink datagrams the way the kernel lays them out, for feeding the parser.
class NetlinkMessageBuilder {
public:
    // Starts a message; attributes added next belong to it until End.
    NetlinkMessageBuilder& Begin(std::uint16_t type, std::uint32_t sequence,
                                 std::uint16_t flags = NLM_F_MULTI) {
        start_ = bytes_.size();
        nlmsghdr header{};
        header.nlmsg_type = type;
        header.nlmsg_flags = flags;
        header.nlmsg_seq = sequence;
        Append(&header, sizeof(header));
        return *this;
    }

    NetlinkMessageBuilder& Link(std::int32_t index, std::uint16_t deviceType, std::uint32_t flags) {
        ifinfomsg info{};
        info.ifi_index = index;
        info.ifi_type = deviceType;
        info.ifi_flags = flags;
        Append(&info, sizeof(info));
        return *this;
    }

    NetlinkMessageBuilder& Raw(const void* data, std::size_t size) {
        Append(data, size);
        Pad();
        return *this;
    }

    NetlinkMessageBuilder& Attribute(std::uint16_t type, const void* data, std::size_t size) {
        rtattr attribute{};
        attribute.rta_len = static_cast<std::uint16_t>(RTA_LENGTH(size));
        attribute.rta_type = type;
        Append(&attribute, sizeof(attribute));
        Append(data, size);
        Pad();
        return *this;
    }

    NetlinkMessageBuilder& Text(std::uint16_t type, std::string_view text) {
        std::vector<char> data(text.begin(), text.end());
        data.push_back('\0');
        return Attribute(type, data.data(), data.size());
    }

    template <typename T>
    NetlinkMessageBuilder& Value(std::uint16_t type, const T& value) {
        return Attribute(type, &value, sizeof(value));
    }

    NetlinkMessageBuilder& End() {
        const auto length = static_cast<std::uint32_t>(bytes_.size() - start_);
        std::memcpy(bytes_.data() + start_, &length, sizeof(length));
        return *this;
    }

    NetlinkMessageBuilder& Done(std::uint32_t sequence, std::uint16_t flags = NLM_F_MULTI) {
        const std::int32_t error = 0;
        return Begin(NLMSG_DONE, sequence, flags).Raw(&error, sizeof(error)).End();
    }

    std::vector<std::uint8_t> Bytes() const { return bytes_; }

private:
    void Append(const void* data, std::size_t size) {
        const auto* begin = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), begin, begin + size);
    }
    void Pad() { bytes_.resize(NLMSG_ALIGN(bytes_.size()), 0); }

    std::vector<std::uint8_t> bytes_;
    std::size_t start_ = 0;
};

}  // namespace win::netlink::testing
