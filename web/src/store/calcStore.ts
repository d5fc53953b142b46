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
}

type OpenKey = 'currentCalculation' | 'currentSelectedCalculation';

interface Schema extends DBSchema {
  calculations: { key: number; value: Calculation };
  open: { key: OpenKey; value: Calculation };
}

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
    this.connection = new StoreConnection<Schema>(name, 1, (database) => {
      database.createObjectStore('calculations', { keyPath: 'id', autoIncrement: true });
      database.createObjectStore('open');
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

  // Newest first: ids grow with every insertion. Calculations not kept sit where this page
  // made them.
  async calculations(): Promise<Calculation[]> {
    const read = await this.connection.read((db) => db.getAll('calculations'));
    if (read.ok) this.known = read.value.sort((a, b) => (b.id ?? 0) - (a.id ?? 0));
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
      const id = await transaction.store.add(record);
      await transaction.done;
      return id;
    });
    if (!written.ok) {
      this.unsaved.push({ calculation: record, made });
      return undefined;
    }
    this.madeById.set(written.value, made);
    this.known = [{ ...record, id: written.value }, ...this.known];
    this.changed();
    return written.value;
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
    this.known = [...this.known.filter((row) => row.id !== calculation.id), calculation].sort((a, b) => (b.id ?? 0) - (a.id ?? 0));
    this.changed();
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
