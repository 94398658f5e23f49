// SPDX-License-Identifier: MIT
// A stand-in for the browser's Web Serial, put into the page before the
// program starts: it records how the port was opened and each write's bytes
// and time, and can refuse to open, fail a write, or vanish mid-stream.
// Options: { granted: [{usbVendorId, usbProductId}], chooser: 'pick'|'cancel',
//            refuseOpen: <DOMException name>, failWriteAt: n, vanishAt: n,
//            absent: true }  (n counts writes from 1: the marker is write 1).
export function serialStandIn(options) {
    if (options.absent) {
        delete Navigator.prototype.serial;
        return;
    }
    const log = (window.strobixSerialLog = { opened: [], writes: [], closed: 0 });
    class StandInPort extends EventTarget {
        constructor(info) {
            super();
            this.info = info;
            this.writable = null;
        }
        getInfo() { return this.info; }
        async open(settings) {
            if (options.refuseOpen)
                throw new DOMException('Failed to open serial port.', options.refuseOpen);
            log.opened.push(settings);
            let count = 0;
            const port = this;
            this.writable = new WritableStream({
                write(chunk) {
                    count += 1;
                    if (count === options.vanishAt) {
                        port.dispatchEvent(new Event('disconnect'));
                        throw new DOMException('The device has been lost.', 'NetworkError');
                    }
                    if (count === options.failWriteAt)
                        throw new DOMException('A write error occurred.', 'NetworkError');
                    log.writes.push({ time: performance.now(), bytes: Array.from(chunk) });
                },
            });
        }
        async close() { log.closed += 1; }
    }
    const granted = (options.granted || []).map((info) => new StandInPort(info));
    const serial = new EventTarget();
    serial.getPorts = async () => granted.slice();
    serial.requestPort = async () => {
        if (options.chooser !== 'pick')
            throw new DOMException('No port selected by the user.', 'NotFoundError');
        const port = new StandInPort({ usbVendorId: 0x0403, usbProductId: 0x6001 });
        granted.push(port);
        return port;
    };
    Object.defineProperty(Navigator.prototype, 'serial', { get: () => serial, configurable: true });
}

// The writes as the stand-in saw them: the bytes in order, and the pacing the
// device would see (first record after the marker, gaps between records).
export function pacingOf(writes) {
    const bytes = Buffer.from(writes.flatMap((write) => write.bytes));
    const times = writes.map((write) => write.time);
    const gaps = times.slice(2).map((time, index) => time - times[index + 1]);
    return {
        bytes,
        firstRecord: times.length > 1 ? times[1] - times[0] : NaN,
        minGap: Math.min(...gaps),
        maxGap: Math.max(...gaps),
        total: times.length > 1 ? times.at(-1) - times[0] : NaN,
    };
}
