"""Visits a web address as a browser does: bytes that may not stand in a request target (blanks,
quotes, angle brackets, control and non-ASCII bytes) are percent-encoded, everything else, the
program's own escapes included, goes as it is. Prints the answer's status."""
import http.client
import sys
import urllib.parse

BROWSER_ESCAPED = set(b' "<>`') | set(range(0x21)) | set(range(0x7F, 0x100))


def request_target(url):
    parts = urllib.parse.urlsplit(url)
    raw = (parts.path or "/") + ("?" + parts.query if parts.query else "")
    return parts.hostname, parts.port or 80, "".join(
        "%%%02X" % byte if byte in BROWSER_ESCAPED else chr(byte) for byte in raw.encode("utf-8"))


def main():
    host, port, target = request_target(sys.argv[1])
    connection = http.client.HTTPConnection(host, port, timeout=10)
    connection.putrequest("GET", target, skip_accept_encoding=True)
    connection.endheaders()
    print(connection.getresponse().status)


main()
