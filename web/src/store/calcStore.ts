import type { DBSchema, IDBPDatabase } from 'idb';
import { StoreConnection, type StoreNotice } from './storeConnection';

// The calculation history and the two open calculations, in IndexedDB so that they outlive a
// reload and a browser restart. A record keeps the inputs and the one-line summary only: it
// is reopened by calculating again.
//
// Storage may fail at any time (refused, full, deleted under the page): then what this page
// holds in memory stands in, calculations not kept included, and the owner is told once.

export interface Calculation {
  id?: number;
  inputParameters: Record<string, string>;
  latexString: string;
  // Where it stands in the list, highest first: new rows go on top, a moved row between its
  // new neighbours.
  order?: number;
}

type OpenKey = 'currentCalculation' | 'currentSelectedCalculation';

interface Schema extends DBSchema {
  calculations: { key: number; value: Calculation; indexes: { order: number } };
  open: { key: OpenKey; value: Calculation };
}

// Rows of a history stored before rows could be moved stand in the order of their ids.
const rank = (calculation: Calculation) => calculation.order ?? calculation.id ?? 0;
const byRankDescending = (a: Calculation, b: Calculation) => rank(b) - rank(a) || (b.id ?? 0) - (a.id ?? 0);

// A calculation that could not be stored, and when this page made it.
interface Unsaved {
  calculation: Calculation;
  made: number;
}

export class CalcStore {
  private readonly connection: StoreConnection<Schema>;
  // The stored rows as this page last knew them.
  private known: Calculation[] = [];
  private readonly unsaved: Unsaved[] = [];
  // Rows kept in memory that were deleted, with when they were made, for Undo.
  private readonly removedUnsaved = new Map<Calculation, number>();
  // When this page stored each of its rows, to order the unsaved ones among them.
  private readonly madeById = new Map<number, number>();
  private made = 0;
  // The open calculations whose last write failed: this page's value wins over the stored one.
  private readonly unsavedOpen = new Map<OpenKey, Calculation | null>();
  // Other tabs of the same store hear of every change to the history.
  private readonly channel: BroadcastChannel | null;
  private readonly changeListeners = new Set<() => void>();

  private constructor(name: string) {
    // By what is there rather than by the old version number: a database left half made by a
    // failed upgrade is completed too.
    this.connection = new StoreConnection<Schema>(name, 2, (database, _oldVersion, transaction) => {
      if (!database.objectStoreNames.contains('calculations')) {
        database.createObjectStore('calculations', { keyPath: 'id', autoIncrement: true });
      }
      if (!database.objectStoreNames.contains('open')) database.createObjectStore('open');
      const calculations = transaction.objectStore('calculations');
      if (!calculations.indexNames.contains('order')) {
        calculations.createIndex('order', 'order');
        // Every row keeps its place: ranked by its id, as it was listed.
        void calculations.openCursor().then(async function rankNext(cursor): Promise<void> {
          if (!cursor) return;
          await cursor.update({ ...cursor.value, order: cursor.value.order ?? cursor.value.id });
          await rankNext(await cursor.continue());
        });
      }
    });
    this.channel = typeof BroadcastChannel === 'undefined' ? null : new BroadcastChannel(`${name}-history`);
    this.channel?.addEventListener('message', () => this.changeListeners.forEach((listener) => listener()));
  }

  // Never fails: a store the browser refuses works from memory until it allows it again.
  static async open(name = 'unitcircle'): Promise<CalcStore> {
    const store = new CalcStore(name);
    await store.connection.warmUp();
    return store;
  }

  set onNotice(listener: ((notice: StoreNotice) => void) | null) {
    this.connection.onNotice = listener;
  }

  // Another tab changed the history; returns the way to stop listening.
  onOtherTabChange(listener: () => void): () => void {
    this.changeListeners.add(listener);
    return () => this.changeListeners.delete(listener);
  }

  // Newest first, unless the learner moved rows. Calculations not kept sit where this page made
  // them.
  async calculations(): Promise<Calculation[]> {
    const read = await this.connection.read((db) => db.getAll('calculations'));
    if (read.ok) this.known = read.value.sort(byRankDescending);
    const unsaved = [...this.unsaved].reverse();
    const listed: Calculation[] = [];
    for (const row of this.known) {
      const made = this.madeById.get(row.id ?? -1) ?? 0;
      while (unsaved.length > 0 && unsaved[0].made > made) listed.push(unsaved.shift()!.calculation);
      listed.push(row);
    }
    return [...listed, ...unsaved.map((entry) => entry.calculation)];
  }

  // Flushed to disk before it counts as done: a browser that closes right after would
  // otherwise drop it (Chromium's default durability is relaxed).
  private static writing<Name extends 'calculations' | 'open'>(db: IDBPDatabase<Schema>, name: Name) {
    return db.transaction(name, 'readwrite', { durability: 'strict' });
  }

  // The new row's id, or undefined when it is kept in memory only.
  async insertCalculation(calculation: Calculation): Promise<number | undefined> {
    const { id: _ignored, ...record } = calculation;
    const made = ++this.made;
    const written = await this.connection.write('calculation', async (db) => {
      const transaction = CalcStore.writing(db, 'calculations');
      // On top of every row, those another tab has just stored included: the transaction
      // holds the store until it is done.
      const top = await transaction.store.index('order').openCursor(null, 'prev');
      const stored = { ...record, order: Math.floor(top?.value.order ?? 0) + 1 };
      const id = await transaction.store.add(stored);
      await transaction.done;
      return { ...stored, id };
    });
    if (!written.ok) {
      this.unsaved.push({ calculation: record, made });
      return undefined;
    }
    this.madeById.set(written.value.id, made);
    this.known = [written.value, ...this.known];
    this.changed();
    return written.value.id;
  }

  // Whether it is gone; a deletion the store refuses leaves the row where it was.
  async removeCalculation(calculation: Calculation): Promise<boolean> {
    const index = this.unsaved.findIndex((entry) => entry.calculation === calculation);
    if (index >= 0) {
      this.removedUnsaved.set(calculation, this.unsaved[index].made);
      this.unsaved.splice(index, 1);
      return true;
    }
    const id = calculation.id;
    if (id === undefined) return false;
    const written = await this.connection.write('deletion', async (db) => {
      const transaction = CalcStore.writing(db, 'calculations');
      await Promise.all([transaction.store.delete(id), transaction.done]);
    });
    if (!written.ok) return false;
    this.known = this.known.filter((row) => row.id !== id);
    this.changed();
    return true;
  }

  // Puts a deleted row back where it was (Undo): a stored one under its own id, one kept in
  // memory among those by when it was made.
  async restoreCalculation(calculation: Calculation): Promise<void> {
    const made = this.removedUnsaved.get(calculation);
    if (made !== undefined) {
      this.removedUnsaved.delete(calculation);
      this.unsaved.push({ calculation, made });
      this.unsaved.sort((a, b) => a.made - b.made);
      return;
    }
    if (calculation.id === undefined) return;
    const written = await this.connection.write('calculation', async (db) => {
      const transaction = CalcStore.writing(db, 'calculations');
      await Promise.all([transaction.store.put(calculation), transaction.done]);
    });
    if (!written.ok) {
      this.unsaved.push({ calculation, made: this.madeById.get(calculation.id) ?? ++this.made });
      this.unsaved.sort((a, b) => a.made - b.made);
      return;
    }
    this.known = [...this.known.filter((row) => row.id !== calculation.id), calculation].sort(byRankDescending);
    this.changed();
  }

  // Moves a stored row to just below `above` and above `below` (the rows the page showed around
  // its new place, either absent at an end). Only that row is written (all of them, when the
  // numbers between two rows run out), in one transaction that reads the rows as they are now:
  // rows another tab adds or moves meanwhile are never lost. Whether it moved.
  async moveCalculation(calculation: Calculation, above: Calculation | undefined, below: Calculation | undefined): Promise<boolean> {
    const id = calculation.id;
    if (id === undefined) return false;
    const written = await this.connection.write('calculation', async (db) => {
      const transaction = CalcStore.writing(db, 'calculations');
      const rows = (await transaction.store.getAll()).sort(byRankDescending);
      const moved = rows.find((row) => row.id === id);
      if (!moved) {
        await transaction.done;
        return false;
      }
      const others = rows.filter((row) => row.id !== id);
      let order = orderBetween(above, below, others);
      if (order === undefined) {
        others.forEach((row, index) => (row.order = others.length - index));
        await Promise.all(others.map((row) => transaction.store.put(row)));
        order = orderBetween(above, below, others)!;
      }
      await transaction.store.put({ ...moved, order });
      await transaction.done;
      return true;
    });
    if (!written.ok || !written.value) return false;
    this.changed();
    return true;
  }

  // What exists only in memory goes in any case; the stored rows only if the store lets them.
  async clearCalculations(): Promise<void> {
    this.unsaved.length = 0;
    const written = await this.connection.write('clearing', async (db) => {
      const transaction = CalcStore.writing(db, 'calculations');
      await Promise.all([transaction.store.clear(), transaction.done]);
    });
    if (!written.ok) return;
    this.known = [];
    this.changed();
  }

  async openCalculation(key: OpenKey): Promise<Calculation | undefined> {
    if (this.unsavedOpen.has(key)) return this.unsavedOpen.get(key) ?? undefined;
    const read = await this.connection.read((db) => db.get('open', key));
    return read.ok ? read.value : undefined;
  }

  // The typed input is written at every edit: a failure there is never told.
  async setOpenCalculation(key: OpenKey, calculation: Calculation | null): Promise<void> {
    const written = await this.connection.write(null, async (db) => {
      const transaction = CalcStore.writing(db, 'open');
      const write = calculation ? transaction.store.put(calculation, key) : transaction.store.delete(key);
      await Promise.all([write, transaction.done]);
    });
    if (written.ok) this.unsavedOpen.delete(key);
    else this.unsavedOpen.set(key, calculation);
  }

  // The selected history entry wins over the last typed input; the selection is used once.
  async takeInputToFill(): Promise<Calculation | undefined> {
    const selected = await this.openCalculation('currentSelectedCalculation');
    if (selected) {
      await this.setOpenCalculation('currentSelectedCalculation', null);
      return selected;
    }
    return this.openCalculation('currentCalculation');
  }

  close(): void {
    this.connection.close();
    this.channel?.close();
  }

  private changed(): void {
    this.channel?.postMessage('changed');
  }
}

// A rank just below `above`, or else just above `below`, among the other rows (highest first);
// at the top when neither is among them. Undefined when the two ranks lie too close for a
// number between them.
function orderBetween(above: Calculation | undefined, below: Calculation | undefined, others: Calculation[]): number | undefined {
  if (others.length === 0) return 1;
  const upper = above ? others.findIndex((row) => row.id === above.id) : -1;
  const lower = below ? others.findIndex((row) => row.id === below.id) : -1;
  let high: number;
  let low: number;
  if (upper >= 0) {
    high = rank(others[upper]);
    low = upper + 1 < others.length ? rank(others[upper + 1]) : high - 2;
  } else if (lower >= 0) {
    low = rank(others[lower]);
    high = lower > 0 ? rank(others[lower - 1]) : low + 2;
  } else {
    low = rank(others[0]);
    high = low + 2;
  }
  const middle = (high + low) / 2;
  return middle > low && middle < high ? middle : undefined;
}
