// SPDX-License-Identifier: MIT
// Programming the device from the browser, against a Web Serial stand-in:
// the bytes equal the desktop program's for the same sequence (as the virtual
// device received them), the line is 2400 8N1 without flow control, the pace
// is the device's, Cancel at the prompt sends nothing, and every failure says
// what happened and sends no more.
// Environment: STROBIX_SITE, STROBIX_DESKTOP, STROBIX_DEVSIM.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { networkInterfaces, tmpdir } from 'node:os';
import { join } from 'node:path';
import { controlCentre, desktop, exampleFile, examples, linkOf, openProgram, pause, serve, site,
         siteUnderTest } from './harness.mjs';
import { pacingOf, serialStandIn } from './serial-stand-in.mjs';

const devsim = process.env.STROBIX_DEVSIM || '../../build/default/tools/devsim/strobix-devsim';
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

// Presses Download and answers the power-up prompt (Enter: OK; Escape:
// Cancel); waits until the program says what `until` matches (then closes
// that message) or, without `until`, until the port is closed again.
// Resolves with everything the program said.
async function download(page, { answer = 'Enter', until } = {}) {
    const said = [];
    page.on('console', (message) => {
        const text = message.text();
        if (text.includes('asked:'))
            said.push(text.substring(text.indexOf('asked:') + 7));
    });
    const waitFor = async (done) => {
        for (let waited = 0; !(await done()) && waited < 20000; waited += 100)
            await pause(100);
    };
    const button = await controlCentre(page, 'DownloadButton');
    await page.mouse.click(button.x, button.y);
    await waitFor(() => said.length > 0);
    if (said.length === 1 && /Cycle power/.test(said[0]))
        await page.keyboard.press(answer);
    if (until) {
        await waitFor(() => said.some((text) => until.test(text)));
        await page.keyboard.press('Enter'); // the closing message
    } else {
        await waitFor(() => page.evaluate(() => window.strobixSerialLog.closed > 0));
        await pause(300); // time for a message, were there one
    }
    return said;
}

const program = siteUnderTest();
const programWith = (options, example = examples[0]) =>
    program.open({ fragment: linkOf(exampleFile(example)), stubs: serialStandIn, stubArgument: options });

describe('downloads reach the device as the desktop program sends them', () => {
    for (const name of examples) {
        test(name, async () => {
            const expected = await desktopStream(exampleFile(name));
            const { context, page } = await programWith({ granted: [adapter] }, name);
            const said = await download(page);
            assert.equal(said.length, 1, `said after the download: ${said.slice(1).join(' | ')}`);
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

// Each case: what the stand-in does, what the program must say (nothing
// after the prompt when all went out), and how many writes reached the port.
const failures = [
    { name: 'the chooser is cancelled', options: { chooser: 'cancel' },
      says: /no port was chosen/, writes: 0 },
    { name: 'the chooser picks a port', options: { chooser: 'pick' }, writes: 57 },
    { name: 'another program holds the port', options: { granted: [adapter], refuseOpen: 'NetworkError' },
      says: /Another program is using this port/, writes: 0 },
    { name: 'the adapter is pulled out at record 10', options: { granted: [adapter], vanishAt: 11 },
      says: /record 10 of 56|record 11 of 56/, writes: 10 },
    { name: 'a write fails at record 30', options: { granted: [adapter], failWriteAt: 31 },
      says: /record 30 of 56|record 31 of 56/, writes: 30 },
    { name: 'the browser has no Web Serial', options: { absent: true },
      says: /Chrome and Edge/, writes: 0 },
];

describe('the chooser, and failures told with no more sent', () => {
    for (const failure of failures) {
        test(failure.name, async () => {
            const { context, page } = await programWith(failure.options);
            const said = await download(page, { until: failure.says });
            if (failure.says)
                assert.ok(said.some((text) => failure.says.test(text)), `said: ${said.join(' | ')}`);
            else
                assert.equal(said.length, 1, `said: ${said.join(' | ')}`);
            const log = await page.evaluate(() => window.strobixSerialLog);
            assert.equal(log ? log.writes.length : 0, failure.writes);
            await context.close();
        });
    }
    // Browsers give Web Serial only to https:// pages and this computer's own.
    const address = Object.values(networkInterfaces()).flat()
        .find((entry) => entry.family === 'IPv4' && !entry.internal)?.address;
    test('a page from a plain http:// address of another computer is told why', { skip: !address && 'no network address' }, async () => {
        const remote = await serve(site, address);
        const context = await program.browser.createBrowserContext();
        const page = await openProgram(program.browser, remote.url + '#' + linkOf(exampleFile(examples[0])),
                                       { stubs: serialStandIn, stubArgument: { granted: [adapter] }, context });
        const said = await download(page, { until: /only pages from https/ });
        assert.ok(said.some((text) => /only pages from https/.test(text)), `said: ${said.join(' | ')}`);
        assert.equal((await page.evaluate(() => window.strobixSerialLog)).opened.length, 0);
        await context.close();
        await remote.close();
    });
    test('Cancel at the power-up prompt sends nothing and closes the port', async () => {
        const { context, page } = await programWith({ granted: [adapter] });
        await download(page, { answer: 'Escape' });
        const log = await page.evaluate(() => window.strobixSerialLog);
        assert.equal(log.writes.length, 0);
        assert.equal(log.closed, 1);
        await context.close();
    });
});
