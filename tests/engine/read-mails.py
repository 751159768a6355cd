#!/usr/bin/python3
"""Prints every mail saved in a folder (*.eml), parsed by Python's own MIME parser, as a JSON
array in file-name order: recipient (To), decoded subject, the text part decoded with its
charset, and each attachment's decoded file name and bytes (Base64)."""

import base64
import email
import email.header
import email.policy
import json
import os
import sys


def decoded(value):
    if value is None:
        return None
    return str(email.header.make_header(email.header.decode_header(str(value))))


def read(path):
    with open(path, "rb") as f:
        message = email.message_from_bytes(f.read(), policy=email.policy.compat32)
    text, attachments = None, []
    for part in message.walk():
        if part.is_multipart():
            continue
        data = part.get_payload(decode=True) or b""
        name = part.get_filename()
        if name is None and part.get_content_type() == "text/plain" and text is None:
            charset = part.get_content_charset() or "us-ascii"
            # gb2312 parts carry GBK bytes in practice, as mail programs read them.
            text = data.decode("gbk" if charset == "gb2312" else charset)
        else:
            attachments.append({"filename": decoded(name),
                                "data": base64.b64encode(data).decode("ascii")})
    return {"to": decoded(message["To"]), "subject": decoded(message["Subject"]),
            "text": text, "attachments": attachments}


def main(folder):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".eml"))
    json.dump([read(os.path.join(folder, n)) for n in names], sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
