// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmeerror.h"
#include "cmserror.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

#include <functional>

// What one command answers: its information text, then how it ends the command line. The modem
// frames both as V.250 and the settings of V, Q, S3 and S4 ask.
struct AtResponse {
    enum class Ending { Ok, Error, CmeError, CmsError, Prompt, NoCarrier };

    // Each item one information text; the lines of one, such as a message's header and body,
    // are framed as one block.
    QList<QByteArrayList> information = {};
    Ending ending = Ending::Ok;
    int errorCode = 0;

    // For a prompt: whether the body is text, edited and prompted for line by line, or hex
    // digits; and what the command answers once Ctrl-Z ends the body.
    bool textBody = false;
    std::function<AtResponse(const QByteArray &body)> takeBody = {};

    static AtResponse ok() { return {}; }
    static AtResponse text(const QByteArray &line) { return {.information = {{line}}}; }
    static AtResponse error() { return {.ending = Ending::Error}; }
    static AtResponse noCarrier() { return {.ending = Ending::NoCarrier}; }
    static AtResponse cmeError(CmeError error) {
        return {.ending = Ending::CmeError, .errorCode = int(error)};
    }
    static AtResponse cmsError(CmsError error) {
        return {.ending = Ending::CmsError, .errorCode = int(error)};
    }
    static AtResponse prompt(bool textBody, std::function<AtResponse(const QByteArray &)> take) {
        return {.ending = Ending::Prompt, .textBody = textBody, .takeBody = std::move(take)};
    }
};
