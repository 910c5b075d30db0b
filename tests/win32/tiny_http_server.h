// A small HTTP/1.1 server on 127.0.0.1, run on a thread of the test program itself: the Windows
// tests need no outside server.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>

namespace zebo {

// Answers each GET with the body stored for the request's path (404 for any other path).
class TinyServer {
 public:
  explicit TinyServer(std::map<std::string, std::string> bodies) : bodies_(std::move(bodies)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 4);
    thread_ = ::CreateThread(nullptr, 0, &TinyServer::ThreadMain, this, 0, nullptr);
  }
  ~TinyServer() {
    stop_ = true;
    closesocket(listener_);
    ::WaitForSingleObject(thread_, 5000);
    ::CloseHandle(thread_);
    WSACleanup();
  }
  // Changes what a path serves (before any request for it).
  void SetBody(const std::string& path, const std::string& body) {
    std::lock_guard<std::mutex> hold(lock_);
    bodies_[path] = body;
  }
  // How many GET requests arrived.
  int Requests() {
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  static DWORD WINAPI ThreadMain(void* self) {
    static_cast<TinyServer*>(self)->Serve();
    return 0;
  }
  void Serve() {
    while (!stop_) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      std::string request;
      char buffer[1024];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
      }
      std::string answer =
          "HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\nConnection: close\r\n\r\nno!";
      // "GET <path> HTTP/1.1": the path is what lies between the first two blanks.
      const size_t start = request.find(' ');
      const size_t end = start == std::string::npos ? start : request.find(' ', start + 1);
      if (request.rfind("GET ", 0) == 0 && end != std::string::npos) {
        const std::string path = request.substr(start + 1, end - start - 1);
        std::lock_guard<std::mutex> hold(lock_);
        ++requests_;
        const auto found = bodies_.find(path);
        if (found != bodies_.end()) {
          answer = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(found->second.size()) +
                   "\r\nConnection: close\r\n\r\n" + found->second;
        }
      }
      send(client, answer.data(), static_cast<int>(answer.size()), 0);
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }
  std::mutex lock_;
  std::map<std::string, std::string> bodies_;  // by path
  int requests_ = 0;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
};

}  // namespace zebo
