// fuzz_phoneview.cpp - any bytes as a request to the phone view's server: cpp-httplib parses them,
// the phone view's access check and handlers answer. A request is only ever answered with 200 when
// it carries the token (after the percent-decoding a query gets), and every stream that was
// admitted gives its viewer's seat back once the request is over.
#include "fuzzsupport.h"
#include "phoneviewhub.h"

#include <cctype>
#include <httplib.h>
#include <string>

namespace {

using fuzzsupport::require;

const std::string token = "0123456789abcdef0123456789abcdef";

// The server's request handling on a stream in memory instead of a socket.
class MemoryServer : public httplib::Server
{
public:
    using httplib::Server::process_request;
};

// Reads the input; takes the response until its head is written, then refuses, so that an event
// stream ends at its first event instead of waiting for the next.
class MemoryStream : public httplib::Stream
{
public:
    MemoryStream(const uint8_t *data, size_t size) : m_in(reinterpret_cast<const char *>(data), size) { }
    bool is_readable() const override { return true; }
    bool is_writable() const override { return !headComplete(); }
    ssize_t read(char *ptr, size_t size) override
    {
        const size_t n = std::min(size, m_in.size() - m_read);
        m_in.copy(ptr, n, m_read);
        m_read += n;
        return ssize_t(n);
    }
    ssize_t write(const char *ptr, size_t size) override
    {
        if (headComplete())
            return -1;
        out.append(ptr, size);
        return ssize_t(size);
    }
    void get_remote_ip_and_port(std::string &ip, int &port) const override
    {
        ip = "127.0.0.1";
        port = 50000;
    }
    void get_local_ip_and_port(std::string &ip, int &port) const override
    {
        ip = "127.0.0.1";
        port = 8470;
    }
    socket_t socket() const override { return INVALID_SOCKET; }
    std::string out;

private:
    bool headComplete() const { return out.find("\r\n\r\n") != std::string::npos; }
    std::string m_in;
    size_t m_read = 0;
};

// The input with every %XX and + of a query decoded, as the server reads a parameter.
std::string decoded(const std::string &in)
{
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '%' && i + 2 < in.size() && std::isxdigit(static_cast<unsigned char>(in[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(in[i + 2]))) {
            out += char(std::stoi(in.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += in[i] == '+' ? ' ' : in[i];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static PhoneViewHub hub(token, "<!DOCTYPE html><title>page</title>");
    static MemoryServer server;
    static const bool served = (hub.serveOn(server), hub.publishReadout("{}"), true);
    (void)served;
    MemoryStream stream(data, size);
    bool closed = false;
    server.process_request(
        stream, true, closed, [](httplib::Request &request) { request.remote_addr = "127.0.0.1"; });
    if (stream.out.rfind("HTTP/1.1 200", 0) == 0)
        require(
            decoded(std::string(reinterpret_cast<const char *>(data), size)).find(token) != std::string::npos,
            "answered 200 without the token");
    require(hub.viewers().empty(), "a viewer's seat was not given back");
    return 0;
}
