declare module 'virtual:translations' {
  const catalogues: Record<string, Record<string, Record<string, string>>>;
  export default catalogues;
}
