"""A throw-away FTP server on 127.0.0.1 for the update check tests.

Usage: ftp_server.py USER PASSWORD ROOT
Prints "PORT <n>" once it listens on a free port, and stops when its standard
input closes (so it never outlives the test that started it). Exits with 3
and "NO-PYFTPDLIB ..." when pyftpdlib cannot be imported.
"""
import logging
import os
import sys
import threading

try:
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer
except ImportError as exc:
    print("NO-PYFTPDLIB", exc, flush=True)
    sys.exit(3)


def main():
    user, password, root = sys.argv[1:4]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")

    class Handler(FTPHandler):
        pass

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0.05  # a wrong password is answered at once
    Handler.timeout = 60

    logging.basicConfig(level=logging.WARNING)
    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORT", server.socket.getsockname()[1], flush=True)

    def stop_with_parent():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=stop_with_parent, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
