#!/usr/bin/python3
"""Reads one saved mail with Python's own MIME parser and prints what a mail program would show,
as JSON: the decoded subject, the raw From, To and Date values, the date as seconds since the
epoch, and each leaf part with its type, charset, file name and decoded bytes (Base64)."""

import base64
import email
import email.header
import email.policy
import email.utils
import json
import sys


def decoded(value):
    if value is None:
        return None
    text = str(value)
    if "=?" in text:
        text = str(email.header.make_header(email.header.decode_header(text)))
    return text


def main(path):
    with open(path, "rb") as f:
        raw = f.read()
    raw_message = email.message_from_bytes(raw, policy=email.policy.compat32)
    message = email.message_from_bytes(raw, policy=email.policy.default)
    parts = []
    for part in message.walk():
        if part.is_multipart():
            continue
        data = part.get_payload(decode=True) or b""
        entry = {
            "type": part.get_content_type(),
            "charset": part.get_content_charset(),
            "filename": decoded(part.get_filename()),
            "disposition": part.get_content_disposition(),
            "data": base64.b64encode(data).decode("ascii"),
        }
        if part.get_content_maintype() == "text":
            entry["text"] = data.decode(part.get_content_charset() or "us-ascii")
        parts.append(entry)
    date = raw_message.get("Date")
    out = {
        "subject": decoded(message.get("Subject")),
        "from_raw": raw_message.get("From"),
        "to_raw": raw_message.get("To"),
        "date_raw": date,
        "date_epoch": email.utils.parsedate_to_datetime(date).timestamp() if date else None,
        "content_type": message.get_content_type(),
        "boundary": message.get_boundary(),
        "defects": [type(d).__name__ for d in message.defects],
        "parts": parts,
    }
    json.dump(out, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
