// SPDX-License-Identifier: MIT
// Programming the device from the browser, against a Web Serial stand-in:
// the bytes equal the desktop program's for the same sequence (as the virtual
// device received them), the line is 2400 8N1 without flow control, the pace
// is the device's, Cancel at the prompt sends nothing, and every failure says
// what happened and sends no more.
// Environment: STROBIX_SITE, STROBIX_DESKTOP, STROBIX_DEVSIM.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { controlCentre, launch, openProgram, pause, serve } from './harness.mjs';
import { pacingOf, serialStandIn } from './serial-stand-in.mjs';

const site = process.env.STROBIX_SITE || '../../build/web/site';
const desktop = process.env.STROBIX_DESKTOP || '../../build/default/src/strobix';
const devsim = process.env.STROBIX_DEVSIM || '../../build/default/tools/devsim/strobix-devsim';
const examples = readdirSync(join(site, 'examples')).filter((name) => name.endsWith('.dat')).sort();
const work = mkdtempSync(join(tmpdir(), 'strobix-serial-'));
const adapter = { usbVendorId: 0x0403, usbProductId: 0x6001 };

// What the desktop program sends for a file, as the virtual device keeps it.
async function desktopStream(file) {
    const saved = join(work, 'desktop.bin');
    const device = spawn(devsim, ['--timeout', '30', '--save', saved]);
    const path = await new Promise((resolve, reject) => {
        let text = '';
        device.stdout.on('data', (chunk) => {
            text += chunk;
            const match = /device: (\S+)/.exec(text);
            if (match)
                resolve(match[1]);
        });
        device.on('exit', () => reject(new Error('the virtual device ended early: ' + text)));
    });
    execFileSync(desktop, ['--download', file, '--device', path, '--yes'], { stdio: 'ignore' });
    await new Promise((resolve) => device.on('exit', resolve));
    return readFileSync(saved);
}

const linkOf = (file) => execFileSync(desktop, ['--print-link', file]).toString().trim().replace(/^.*#/, '');

// Opens the sequence, presses Download and answers the power-up prompt
// (Enter: OK; Escape: Cancel); resolves with what the program said.
async function download(page, { answer = 'Enter', waitFor = /./ } = {}) {
    const said = [];
    page.on('console', (message) => {
        const text = message.text();
        if (text.includes('asked:'))
            said.push(text.substring(text.indexOf('asked:') + 7));
    });
    const button = await controlCentre(page, 'DownloadButton');
    await page.mouse.click(button.x, button.y);
    for (let waited = 0; said.length === 0 && waited < 20000; waited += 100)
        await pause(100);
    if (said.length === 1 && /Cycle power/.test(said[0]))
        await page.keyboard.press(answer);
    for (let waited = 0; !said.some((text) => waitFor.test(text)) && waited < 20000; waited += 100)
        await pause(100);
    await page.keyboard.press('Enter'); // the closing message
    return said;
}

let server;
let browser;
before(async () => {
    server = await serve(site);
    browser = await launch();
});
after(async () => {
    await browser?.close();
    await server?.close();
});

async function programWith(options, example = examples[0]) {
    const context = await browser.createBrowserContext();
    const page = await openProgram(browser, server.url + '#' + linkOf(join(site, 'examples', example)),
                                   { stubs: serialStandIn, stubArgument: options, context });
    return { context, page };
}

describe('downloads reach the device as the desktop program sends them', () => {
    for (const name of examples) {
        test(name, async () => {
            const expected = await desktopStream(join(site, 'examples', name));
            const { context, page } = await programWith({ granted: [adapter] }, name);
            await download(page, { waitFor: /Download complete|programmed|complete/i });
            const log = await page.evaluate(() => window.strobixSerialLog);
            assert.deepEqual(log.opened, [{ baudRate: 2400, dataBits: 8, stopBits: 1, parity: 'none',
                                            flowControl: 'none' }]);
            const pacing = pacingOf(log.writes);
            assert.deepEqual(pacing.bytes, expected);
            assert.ok(pacing.firstRecord >= 550, `first record after ${pacing.firstRecord} ms`);
            assert.ok(pacing.minGap >= 50, `a record only ${pacing.minGap} ms after the one before`);
            await context.close();
        });
    }
});

// Each failure: what the stand-in does, what the program must say, and how
// many writes may have reached the port.
const failures = [
    { name: 'the chooser is cancelled', options: { chooser: 'cancel' },
      says: /no port was chosen/, writes: 0 },
    { name: 'the chooser picks a port', options: { chooser: 'pick' }, says: /complete|programmed/i,
      writes: 57, todo: 'no closing message yet after a port picked in the chooser' },
    { name: 'another program holds the port', options: { granted: [adapter], refuseOpen: 'NetworkError' },
      says: /Another program is using this port/, writes: 0 },
    { name: 'the adapter is pulled out at record 10', options: { granted: [adapter], vanishAt: 11 },
      says: /record 10 of 56|record 11 of 56/, writes: 10 },
    { name: 'a write fails at record 30', options: { granted: [adapter], failWriteAt: 31 },
      says: /record 30 of 56|record 31 of 56/, writes: 30 },
    { name: 'the browser has no Web Serial', options: { absent: true },
      says: /Chrome and Edge/, writes: 0 },
];

describe('failures are told and send no more', () => {
    for (const failure of failures) {
        test(failure.name, { todo: failure.todo }, async () => {
            const { context, page } = await programWith(failure.options);
            const said = await download(page, { waitFor: failure.says });
            assert.ok(said.some((text) => failure.says.test(text)), `said: ${said.join(' | ')}`);
            const log = await page.evaluate(() => window.strobixSerialLog);
            assert.equal(log ? log.writes.length : 0, failure.writes);
            await context.close();
        });
    }
    test('Cancel at the power-up prompt sends nothing and closes the port', async () => {
        const { context, page } = await programWith({ granted: [adapter] });
        await download(page, { answer: 'Escape', waitFor: /never/ });
        const log = await page.evaluate(() => window.strobixSerialLog);
        assert.equal(log.writes.length, 0);
        assert.equal(log.closed, 1);
        await context.close();
    });
});
