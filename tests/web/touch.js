// Touches the page through Chromium's remote debugging protocol, as a finger would:
// node touch.js PORT X Y [X2 Y2]: a tap at (X, Y), or a press there dragged to (X2, Y2).
// Node has no WebSocket client of its own: this speaks just enough of the protocol.
const http = require('http');
const crypto = require('crypto');

const [port, ...numbers] = process.argv.slice(2);
const [x, y, toX = x, toY = y] = numbers.map(Number);
const sleep = ms => new Promise(done => setTimeout(done, ms));

function pageSocketUrl() {
    return new Promise((done, fail) => http.get(`http://127.0.0.1:${port}/json/list`, response => {
        let body = '';
        response.on('data', chunk => body += chunk);
        response.on('end', () => done(JSON.parse(body).find(target => target.type === 'page').webSocketDebuggerUrl));
    }).on('error', fail));
}

function connect(url) {
    const {host, pathname} = new URL(url);
    const key = crypto.randomBytes(16).toString('base64');
    return new Promise((done, fail) => http.request({host: host.split(':')[0], port: host.split(':')[1], path: pathname,
        headers: {Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13', 'Sec-WebSocket-Key': key}})
        .on('upgrade', (response, socket) => done(socket)).on('error', fail).end());
}

// One masked text frame, as a client must send it; the commands are short.
function frame(text) {
    const payload = Buffer.from(text), mask = crypto.randomBytes(4);
    const header = payload.length < 126 ? Buffer.from([0x81, 0x80 | payload.length])
                                        : Buffer.from([0x81, 0xFE, payload.length >> 8, payload.length & 0xFF]);
    return Buffer.concat([header, mask, payload.map((byte, i) => byte ^ mask[i % 4])]);
}

async function main() {
    const socket = await connect(await pageSocketUrl());
    let id = 0, received = Buffer.alloc(0);
    const answered = new Map();
    socket.on('data', chunk => {
        received = Buffer.concat([received, chunk]);
        for (;;) {  // the server's frames are unmasked
            if (received.length < 2) return;
            let length = received[1] & 0x7F, start = 2;
            if (length === 126) { length = received.readUInt16BE(2); start = 4; }
            else if (length === 127) { length = Number(received.readBigUInt64BE(2)); start = 10; }
            if (received.length < start + length) return;
            const message = JSON.parse(received.subarray(start, start + length).toString());
            received = received.subarray(start + length);
            if (answered.has(message.id)) answered.get(message.id)(message);
        }
    });
    const send = (method, params) => new Promise(done => {
        answered.set(++id, done);
        socket.write(frame(JSON.stringify({id, method, params})));
    });
    const touch = (type, points) => send('Input.dispatchTouchEvent', {type, touchPoints: points});
    await touch('touchStart', [{x, y}]);
    await sleep(100);
    for (let step = 1; step <= 10; step++) {
        if (toX === x && toY === y) break;
        await touch('touchMove', [{x: x + (toX - x) * step / 10, y: y + (toY - y) * step / 10}]);
        await sleep(30);
    }
    await touch('touchEnd', []);
    socket.destroy();
}

main().catch(error => { console.error(error); process.exit(1); });
