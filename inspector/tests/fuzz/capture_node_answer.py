#!/usr/bin/env python3
"""Saves a real Node.js inspector's raw answer to the tool's request as a discovery_answer seed.

Usage: capture_node_answer.py OUTPUT_FILE [SCRIPT]
Starts `node --inspect=127.0.0.1:PORT` on SCRIPT (or a timer that keeps it alive), sends the same
HTTP/1.0 request for /json that the tool sends, and writes every byte received until the answer's
Content-Length is complete (Node.js keeps the connection open) or the peer closes.
"""
import socket
import subprocess
import sys
import time


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def capture(port):
    address = f"127.0.0.1:{port}"
    request = (f"GET /json HTTP/1.0\r\nHost: {address}\r\nAccept: application/json\r\n"
               "Connection: close\r\n\r\n").encode()
    with socket.create_connection(("127.0.0.1", port), timeout=3) as s:
        s.sendall(request)
        data = b""
        while True:
            head_end = data.find(b"\r\n\r\n")
            if head_end >= 0:
                for line in data[:head_end].split(b"\r\n")[1:]:
                    name, _, value = line.partition(b":")
                    if name.strip().lower() == b"content-length" and \
                            len(data) >= head_end + 4 + int(value):
                        return data
            try:
                piece = s.recv(65536)
            except socket.timeout:
                return data
            if not piece:
                return data
            data += piece


def main():
    output = sys.argv[1]
    port = free_port()
    command = ["node", f"--inspect=127.0.0.1:{port}"]
    command += [sys.argv[2]] if len(sys.argv) > 2 else ["-e", "setInterval(() => {}, 1000)"]
    node = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            try:
                data = capture(port)
                break
            except OSError:
                time.sleep(0.05)
        else:
            sys.exit("capture: the inspector did not answer")
    finally:
        node.kill()
        node.wait()
    with open(output, "wb") as f:
        f.write(data)
    print(f"capture: {len(data)} bytes to {output}")


if __name__ == "__main__":
    main()
